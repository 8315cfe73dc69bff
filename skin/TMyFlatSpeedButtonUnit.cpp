#include "skin/TMyFlatSpeedButtonUnit.h"

#include "skin/SkinAccessible.h"
#include "skin/SkinColors.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {

// One hover timer for all buttons, watching one button at a time.
QTimer* HoverTimer = nullptr;
int LivingButtons = 0;
QPointer<TMyFlatSpeedButton> Hovered;
constexpr int kHoverIntervalMs = 100;
// How long a click made by a key or by assistive technology holds the button:
// long enough to see it, and for a button that repeats while held, one repeat.
constexpr int kAnimatedClickMs = 150;

// Image of the strip shown in each state, per number of images.
int ImageIndex(int numGlyphs, GlyphButtonState state) {
    const int s = int(state);
    switch (numGlyphs) {
    case 2:
        return s == int(GlyphButtonState::disabled) ? 1 : 0;
    case 3:
        return std::min(s, 2);
    case 4:
        return s;
    default:
        return 0;
    }
}

QImage Greyed(const QImage& image) {
    QImage grey =
        image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QPainter p(&grey);
    p.fillRect(grey.rect(), QColor(255, 255, 255, 96));
    return grey;
}

} // namespace

TMyFlatSpeedButton::TMyFlatSpeedButton(QWidget* parent) : QWidget(parent) {
    InstallSkinAccessibility();
    resize(25, 25);
    setMouseTracking(true);
    // Reached by Tab only: a click leaves the keyboard where it was.
    setFocusPolicy(Qt::TabFocus);
    if (LivingButtons++ == 0) {
        HoverTimer = new QTimer;
        HoverTimer->setInterval(kHoverIntervalMs);
        QObject::connect(HoverTimer, &QTimer::timeout, [] { HoverTimerTick(); });
    }
}

TMyFlatSpeedButton::~TMyFlatSpeedButton() {
    if (Hovered == this) {
        HoverTimer->stop();
        Hovered = nullptr;
    }
    if (--LivingButtons == 0) {
        delete HoverTimer;
        HoverTimer = nullptr;
    }
}

TMyFlatSpeedButton* TMyFlatSpeedButton::HoveredButton() {
    return Hovered;
}

void TMyFlatSpeedButton::SetGlyph(const QImage& glyph) {
    FGlyph = glyph;
    if (!FGlyph.isNull() && FGlyph.width() % FGlyph.height() == 0) {
        const int count = FGlyph.width() / FGlyph.height();
        FNumGlyphs = count > 4 ? 1 : count;
    }
    update();
}

void TMyFlatSpeedButton::SetNumGlyphs(int count) {
    count = std::clamp(count, 1, 4);
    if (count != FNumGlyphs) {
        FNumGlyphs = count;
        update();
    }
}

void TMyFlatSpeedButton::SetGroupIndex(int index) {
    FGroupIndex = index;
    AnnounceGroup();
}

void TMyFlatSpeedButton::SetAllowAllUp(bool allowAllUp) {
    FAllowAllUp = allowAllUp;
    AnnounceGroup();
}

void TMyFlatSpeedButton::SetDown(bool down) {
    if (FGroupIndex == 0)
        down = false;
    if (down == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = down;
    if (down) {
        SetState(GlyphButtonState::exclusive);
        AnnounceGroup();
    } else {
        SetState(GlyphButtonState::up);
    }
}

void TMyFlatSpeedButton::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

void TMyFlatSpeedButton::AnnounceGroup() {
    if (!parentWidget() || FGroupIndex == 0)
        return;
    for (QObject* child : parentWidget()->children()) {
        if (auto* button = qobject_cast<TMyFlatSpeedButton*>(child))
            button->ButtonPressed(FGroupIndex, this);
    }
}

void TMyFlatSpeedButton::ButtonPressed(int group, TMyFlatSpeedButton* sender) {
    if (group != FGroupIndex || sender == this)
        return;
    if (sender->FDown && FDown) {
        FDown = false;
        SetState(GlyphButtonState::up);
    }
    FAllowAllUp = sender->FAllowAllUp;
}

void TMyFlatSpeedButton::SetState(GlyphButtonState state) {
    if (state != FState) {
        FState = state;
        update();
        AnnounceStateChange(this);
    }
}

// The bottom edge counts as inside.
bool TMyFlatSpeedButton::Inside(const QPoint& point) const {
    return point.x() >= 0 && point.x() < width() && point.y() >= 0 && point.y() <= height();
}

QImage TMyFlatSpeedButton::CurrentImage() const {
    if (FGlyph.isNull())
        return {};
    const int cell = FGlyph.width() / FNumGlyphs;
    const int index = ImageIndex(FNumGlyphs, FState);
    QImage image = FGlyph.copy(index * cell, 0, cell, FGlyph.height());
    if (FNumGlyphs == 1 && FState == GlyphButtonState::disabled)
        return KeyedImage(Greyed(image));
    // The key is the strip's bottom-left pixel, whichever image is shown.
    return KeyedImage(image, FGlyph.pixel(0, FGlyph.height() - 1));
}

void TMyFlatSpeedButton::paintEvent(QPaintEvent*) {
    if (FGlyph.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), CurrentImage());
    if (hasFocus())
        DrawFocusMark(painter, this);
}

void TMyFlatSpeedButton::Click() {
    if (auto* dialog = qobject_cast<QDialog*>(window()); dialog && FModalResult != 0)
        dialog->done(FModalResult);
    emit OnClick();
}

void TMyFlatSpeedButton::AnimateClick() {
    if (FPressing)
        return;
    Press(Qt::LeftButton, Qt::NoModifier, rect().center());
    QTimer::singleShot(kAnimatedClickMs, this, [this] {
        Release(Qt::LeftButton, Qt::NoModifier, rect().center(), QCursor::pos());
    });
}

void TMyFlatSpeedButton::Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    emit OnMouseDown(button, modifiers, at.x(), at.y());
    if (button != Qt::LeftButton || !isEnabled())
        return;
    if (!FDown)
        SetState(GlyphButtonState::down);
    FPressing = true;
}

void TMyFlatSpeedButton::mousePressEvent(QMouseEvent* event) {
    Press(event->button(), event->modifiers(), event->position().toPoint());
}

void TMyFlatSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && FDown)
        emit OnDblClick();
}

void TMyFlatSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit OnMouseMove(event->buttons() & Qt::LeftButton ? Qt::LeftButton : Qt::NoButton,
                     event->modifiers(), p.x(), p.y());
    TrackHover(event->globalPosition().toPoint());
    if (!FPressing)
        return;
    GlyphButtonState wanted = FDown ? GlyphButtonState::exclusive : GlyphButtonState::up;
    if (Inside(p))
        wanted = FDown ? GlyphButtonState::exclusive : GlyphButtonState::down;
    SetState(wanted);
}

void TMyFlatSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    Release(event->button(), event->modifiers(), event->position().toPoint(),
            event->globalPosition().toPoint());
}

void TMyFlatSpeedButton::Release(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at,
                                 QPoint globalPos) {
    emit OnMouseUp(button, modifiers, at.x(), at.y());
    if (!FPressing)
        return;
    FPressing = false;
    const bool inside = Inside(at);
    if (FGroupIndex == 0) {
        FMouseInControl = false;
        SetState(GlyphButtonState::up);
    } else if (inside) {
        SetDown(!FDown);
    } else {
        // A release outside neither toggles nor clicks: back to the look the
        // button had before the press.
        SetState(FDown ? GlyphButtonState::exclusive : GlyphButtonState::up);
    }
    if (inside)
        Click();
    else
        HoverLeave();
    UpdateHover(globalPos);
}

// Space holds the button as the left mouse button does; Enter clicks it.
void TMyFlatSpeedButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space) {
        if (!event->isAutoRepeat() && !FPressing) {
            KeyPressing = true;
            Press(Qt::LeftButton, event->modifiers(), rect().center());
        }
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            AnimateClick();
    } else {
        event->ignore();
    }
}

void TMyFlatSpeedButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && KeyPressing)
        ReleaseKey(true);
    else
        event->ignore();
}

// Leaving with Space still held lets go without a click.
void TMyFlatSpeedButton::focusOutEvent(QFocusEvent* event) {
    if (KeyPressing)
        ReleaseKey(false);
    QWidget::focusOutEvent(event);
}

void TMyFlatSpeedButton::ReleaseKey(bool inside) {
    KeyPressing = false;
    Release(Qt::LeftButton, Qt::NoModifier, inside ? rect().center() : QPoint(-1, -1),
            QCursor::pos());
}

void TMyFlatSpeedButton::TrackHover(const QPoint& globalPos) {
    if (Hovered == this || QApplication::widgetAt(globalPos) != this)
        return;
    if (Hovered)
        Hovered->HoverLeave();
    if (!QApplication::activeWindow())
        return;
    HoverTimer->stop();
    Hovered = this;
    HoverTimer->start();
    HoverEnter();
}

void TMyFlatSpeedButton::UpdateHover(const QPoint& globalPos) {
    if (QApplication::widgetAt(globalPos) == this)
        TrackHover(globalPos);
    else
        HoverLeave();
}

void TMyFlatSpeedButton::HoverTimerTick() {
    if (Hovered && QApplication::widgetAt(QCursor::pos()) != Hovered)
        Hovered->HoverLeave();
}

void TMyFlatSpeedButton::HoverEnter() {
    if (isEnabled() && !FMouseInControl) {
        FMouseInControl = true;
        update();
    }
}

void TMyFlatSpeedButton::HoverLeave() {
    if (!isEnabled() || !FMouseInControl || FPressing)
        return;
    FMouseInControl = false;
    if (Hovered == this) {
        HoverTimer->stop();
        Hovered = nullptr;
    }
    update();
}

void TMyFlatSpeedButton::enterEvent(QEnterEvent*) {
    emit OnMouseEnter();
}

void TMyFlatSpeedButton::leaveEvent(QEvent*) {
    emit OnMouseLeave();
}

void TMyFlatSpeedButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    if (isEnabled()) {
        // Enabled again: the look of the latched state, not the disabled one.
        FState = FDown ? GlyphButtonState::exclusive : GlyphButtonState::up;
    } else {
        FMouseInControl = false;
        FState = GlyphButtonState::disabled;
        if (Hovered == this) {
            HoverTimer->stop();
            Hovered = nullptr;
        }
    }
    update();
    AnnounceStateChange(this);
}
