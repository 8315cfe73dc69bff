#pragma once
// Flat hint: replaces the tooltips of one window with a borderless box that
// has a coloured side strip and an arrow pointing toward the cursor.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>

class QTimer;
class TFlatHint;

class TFlatHintWindow : public QWidget {
    Q_OBJECT
public:
    explicit TFlatHintWindow(TFlatHint* settings);

    // Sizes and places the window for the text near the cursor, then shows it
    // without activating it. screen is the area split into quarters.
    void ActivateHint(const QString& text, const QPoint& cursor, const QRect& screen);
    // Size of the window for the text: wrapped text plus margins.
    QSize HintSize(const QString& text) const;
    int ArrowCorner() const { return FArrowCorner; }
    const QString& Text() const { return FText; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TFlatHint* Settings;
    QString FText;
    int FArrowCorner = 0;
};

class TFlatHint : public QObject {
    Q_OBJECT
public:
    // Takes over the tooltips of the owner's window.
    explicit TFlatHint(QWidget* owner);
    ~TFlatHint() override;

    uint32_t ColorBackground() const { return FColorBackground; }
    void SetColorBackground(uint32_t c) { FColorBackground = c; }
    uint32_t ColorBorder() const { return FColorBorder; }
    void SetColorBorder(uint32_t c) { FColorBorder = c; }
    uint32_t ColorArrowBackground() const { return FColorArrowBackground; }
    void SetColorArrowBackground(uint32_t c) { FColorArrowBackground = c; }
    uint32_t ColorArrow() const { return FColorArrow; }
    void SetColorArrow(uint32_t c) { FColorArrow = c; }
    int MaxHintWidth() const { return FMaxHintWidth; }
    void SetMaxHintWidth(int width) { FMaxHintWidth = width; }
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& font) { FFont = font; }
    uint32_t FontColor() const { return FFontColor; }
    void SetFontColor(uint32_t c) { FFontColor = c; }

    // Tooltip timing in milliseconds.
    int HintPause() const { return 500; }
    int HintShortPause() const { return 25; }
    int HintHidePause() const { return 5000; }

    TFlatHintWindow* HintWindow() const { return Window; }

signals:
    // Before a hint shows; a listener may change the text or refuse it.
    void OnShowHint(QString& HintStr, bool& CanShow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Watches(QObject* object) const;
    QWidget* HintControlOf(QWidget* widget) const;
    void HoverControl(QWidget* control);
    void ShowPendingHint();
    void CancelHint();

    QPointer<QWidget> Owner;
    QFont FFont;
    uint32_t FColorBackground = 0xFFFFFF;
    uint32_t FColorBorder = 0x000000;
    uint32_t FColorArrowBackground = 0x53D2FF;
    uint32_t FColorArrow = 0x000000;
    uint32_t FFontColor = 0x000000;
    int FMaxHintWidth = 200;
    TFlatHintWindow* Window = nullptr;
    QPointer<QWidget> HintControl;
    QTimer* ShowTimer = nullptr;
    QTimer* HideTimer = nullptr;
};
