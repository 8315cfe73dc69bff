#pragma once
// Gauge showing an integer progress as a bar, box, pie or needle. It has no
// seek logic: the owner turns its mouse events into seeks.

#include <QImage>
#include <QWidget>

#include <cstdint>

enum class TGaugeKind { gkText = 0, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
enum class TBorderStyle { bsNone = 0, bsSingle };

// Scratch bitmap of the gauge's off-screen drawing.
class TBltBitmap : public QImage {
public:
    // Takes the template's size and fills it with the window-frame colour.
    void MakeLike(const QImage& templ);
};

class TMyGauge : public QWidget {
    Q_OBJECT
public:
    explicit TMyGauge(QWidget* parent = nullptr);

    TGaugeKind Kind() const { return FKind; }
    void SetKind(TGaugeKind kind);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool showText);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    uint32_t ForeColor() const { return FForeColor; }
    void SetForeColor(uint32_t colour);
    uint32_t BackColor() const { return FBackColor; }
    void SetBackColor(uint32_t colour);
    // Background of the pie and needle kinds.
    uint32_t Color() const { return FColor; }
    void SetColor(uint32_t colour);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int Progress() const { return FProgress; }
    void SetProgress(int value);
    int PercentDone() const;
    // While loading a stored layout the bounds may be set in any order.
    void SetLoading(bool loading) { Loading = loading; }

    // The whole control as drawn, off-screen.
    QImage PaintImage() const;

signals:
    void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A property of the look: a change repaints, the same value does nothing.
    template <typename T> void StoreAndRepaint(T& field, T value) {
        if (field != value) {
            field = value;
            update();
        }
    }
    void PaintAsText(QImage& image, const QRect& r) const;
    void PaintAsBar(QImage& image, const QRect& r) const;
    void PaintAsPie(QImage& image, const QRect& r) const;
    void PaintAsNeedle(QImage& image, const QRect& r) const;
    void PaintPercentText(QImage& image, const QRect& r) const;

    int FMinValue = 0;
    int FMaxValue = 100;
    int FProgress = 0;
    TGaugeKind FKind = TGaugeKind::gkHorizontalBar;
    bool FShowText = true;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    uint32_t FForeColor = 0x000000;
    uint32_t FBackColor = 0xFFFFFF;
    uint32_t FColor = 0xFFFFFF;
    bool Loading = false;
};
