#include "shell/OuterFrame.h"

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

QSize TOuterFrame::FrameSize() const {
    const QRect outer = Window->frameGeometry();
    return {outer.width() - Window->width(), outer.height() - Window->height()};
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
    if (watched == Window && event->type() == QEvent::Show && Wanted.isValid()) {
        // Nothing tells the window when the manager's frame arrives; look a
        // few times after showing.
        Looks = kLooks;
        Look->start();
    }
    return false;
}

// A full-screen window has the window manager's geometry, not the one asked for.
void TOuterFrame::LookAtFrame() {
    if (!Window->isVisible() || Window->isFullScreen() || --Looks <= 0) {
        Look->stop();
        return;
    }
    if (FrameSize() != AppliedFrame) {
        Apply();
        Look->stop();
    }
}
