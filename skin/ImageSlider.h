#pragma once
// Slider whose knob is the control itself: it moves inside its parent between
// two limits and maps its own position to a value.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

enum class TImageSliderOrientation { isoHorizontal = 0, isoVertical = 1 };

class TImageSlider : public QWidget {
    Q_OBJECT
public:
    explicit TImageSlider(QWidget* parent = nullptr);

    bool SliderCanMove() const { return FSliderCanMove; }
    void SetSliderCanMove(bool canMove) { FSliderCanMove = canMove; }
    const QImage& SliderGlyphNormal() const { return FGlyphNormal; }
    void SetSliderGlyphNormal(const QImage& glyph);
    const QImage& SliderGlyphEnter() const { return FGlyphEnter; }
    void SetSliderGlyphEnter(const QImage& glyph);
    const QImage& SliderGlyphDown() const { return FGlyphDown; }
    void SetSliderGlyphDown(const QImage& glyph);
    const QImage& SliderGlyphInactive() const { return FGlyphInactive; }
    void SetSliderGlyphInactive(const QImage& glyph);
    long double SliderMaxValue() const { return FMaxValue; }
    void SetSliderMaxValue(long double value);
    long double SliderMinValue() const { return FMinValue; }
    void SetSliderMinValue(long double value);
    int SliderMaxVisibleLeft() const { return FVisibleLeft; }
    void SetSliderMaxVisibleLeft(int value);
    int SliderMaxVisibleRight() const { return FVisibleRight; }
    void SetSliderMaxVisibleRight(int value);
    int SliderMaxVisibleTop() const { return FVisibleTop; }
    void SetSliderMaxVisibleTop(int value);
    int SliderMaxVisibleBottom() const { return FVisibleBottom; }
    void SetSliderMaxVisibleBottom(int value);
    TImageSliderOrientation SliderOrientation() const { return FOrientation; }
    void SetSliderOrientation(TImageSliderOrientation o) { FOrientation = o; }
    long double SliderPosValue() const { return FPosValue; }
    void SetSliderPosValue(long double value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Dragging() const { return FDragging; }

    // The glyph currently shown, key colour already transparent.
    const QImage& Picture() const { return Shown; }

    long double PositionToValue(int position) const;
    int ValueToPosition(long double value) const;

    // Pointing hand shown over an enabled knob.
    static QCursor HandPointCursor();

signals:
    void OnSliderPosChange(TImageSlider* Sender, long double Value);
    void OnSliderPosChanged(TImageSlider* Sender, long double Value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowGlyph(const QImage& glyph);
    int MoveTo(const QPoint& topLeft);
    int Lo() const;
    int Hi() const;

    QPoint DownPoint;
    QRect NewBounds;
    bool FDragging = false;
    bool FEnabled = true;
    bool FSliderCanMove = true;
    int FVisibleRight = 175;
    int FVisibleLeft = 10;
    int FVisibleTop = 10;
    int FVisibleBottom = 175;
    long double FMaxValue = 100;
    long double FMinValue = 0;
    QImage FGlyphNormal;
    QImage FGlyphEnter;
    QImage FGlyphDown;
    QImage FGlyphInactive;
    TImageSliderOrientation FOrientation = TImageSliderOrientation::isoHorizontal;
    long double FPosValue = 0;
    QImage Shown;
};
