#pragma once
// What the window manager has made of a window, asked of the X server
// itself: Qt hears of an iconify only some time after it happened, and
// knows nothing of what covers a window. Off X11 Qt's own view is all there is.

class QWidget;

// The window manager keeps the window above the other one; with none, it
// goes back to being a window of its own.
void KeepAbove(QWidget* window, const QWidget* other);

// Shown, not iconified, on this desktop and covered by no other window.
bool InFullView(const QWidget* window);

// Shows the window, back from iconified or from another desktop.
void Deiconify(QWidget* window);
