#include "platform/OuterFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kLooks = 40;
constexpr int kLookIntervalMs = 50;

} // namespace

TOuterFrame::TOuterFrame(QWidget* window) : QObject(window), Window(window) {
    Look = new QTimer(this);
    Look->setInterval(kLookIntervalMs);
    connect(Look, &QTimer::timeout, this, &TOuterFrame::LookAtFrame);
    window->installEventFilter(this);
}

// While the window manager takes the window over, the frame can read smaller
// than the window; no frame is narrower than nothing.
QSize TOuterFrame::FrameSize() const {
    const QRect outer = Window->frameGeometry();
    return {std::max(0, outer.width() - Window->width()),
            std::max(0, outer.height() - Window->height())};
}

void TOuterFrame::SetBounds(const QRect& outer) {
    Wanted = outer;
    Apply();
}

void TOuterFrame::Apply() {
    AppliedFrame = FrameSize();
    Window->resize(std::max(0, Wanted.width() - AppliedFrame.width()),
                   std::max(0, Wanted.height() - AppliedFrame.height()));
    Window->move(Wanted.topLeft());
}

bool TOuterFrame::eventFilter(QObject* watched, QEvent* event) {
    // Where the program itself moves the window is where it is wanted.
    if (watched == Window && event->type() == QEvent::Move && !event->spontaneous() &&
        Wanted.isValid())
        Wanted.moveTopLeft(Window->pos());
    if (watched == Window && event->type() == QEvent::Show && Wanted.isValid()) {
        // Nothing tells the window when the manager's frame arrives; look a
        // few times after showing.
        Looks = kLooks;
        Look->start();
    }
    return false;
}

// A full-screen window has the window manager's geometry, not the one asked
// for. The bounds are asked for again when the frame has another size, or
// when the window is said to be elsewhere: while a window manager takes the
// window over, the window can be reported at the origin of a frame not yet
// placed, and asking again has the manager tell where it really is.
void TOuterFrame::LookAtFrame() {
    if (!Window->isVisible() || Window->isFullScreen() || --Looks <= 0) {
        Look->stop();
        return;
    }
    if (FrameSize() != AppliedFrame || Window->pos() != Wanted.topLeft()) {
        Apply();
        Look->stop();
    }
}
