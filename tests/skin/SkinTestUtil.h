#pragma once
// Helpers of the skin tests: synthetic mouse events with explicit positions.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

inline void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void Press(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, p, b, b);
}

inline void Move(QWidget* w, QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}

inline void Release(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton,
                    Qt::MouseButtons stillHeld = Qt::NoButton) {
    SendMouse(w, QEvent::MouseButtonRelease, p, b, stillHeld);
}
