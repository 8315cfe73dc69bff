#pragma once
// Push or toggle button whose whole look is one image cut from a strip,
// chosen by the button's state. Buttons of one group latch exclusively.

#include <QImage>
#include <QWidget>

#include <cstdint>

class QTimer;

enum class GlyphButtonState : uint8_t { up = 0, disabled = 1, down = 2, exclusive = 3 };

class TMyFlatSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TMyFlatSpeedButton(QWidget* parent = nullptr);
    ~TMyFlatSpeedButton() override;

    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int count);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return FDown; }
    void SetDown(bool down);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool allowAllUp);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }
    GlyphButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    bool Pressing() const { return FPressing; }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled);

    // The image that paint draws for the current state, key colour cleared.
    QImage CurrentImage() const;
    void Click();
    // A press and, a moment later, a release in the middle of the button: what
    // Enter and assistive technology do.
    void AnimateClick();

    // The button the shared hover timer watches, or none.
    static TMyFlatSpeedButton* HoveredButton();

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void Release(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at,
                 QPoint globalPos);
    void ReleaseKey(bool inside);
    void AnnounceGroup();
    void ButtonPressed(int group, TMyFlatSpeedButton* sender);
    bool Inside(const QPoint& point) const;
    void SetState(GlyphButtonState state);
    void TrackHover(const QPoint& globalPos);
    void HoverEnter();
    void HoverLeave();
    void UpdateHover(const QPoint& globalPos);
    static void HoverTimerTick();

    int FNumGlyphs = 1;
    int FGroupIndex = 0;
    QImage FGlyph;
    bool FDown = false;
    bool FPressing = false;
    bool FAllowAllUp = false;
    bool FMouseInControl = false;
    bool KeyPressing = false; // the press came from the keyboard
    int FModalResult = 0;
    GlyphButtonState FState = GlyphButtonState::up;
};
