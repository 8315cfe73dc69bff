#pragma once
// Whether the windows have somewhere to go, asked before the toolkit is
// started: without a display it would abort the whole process.

#include <QString>

// Empty when the program's windows can be shown; else why not, for the user.
QString DisplayProblem();

// The windows are shaped and placed by the program itself, which Wayland
// doesn't allow: on a Wayland desktop they go to XWayland, as on X11, unless
// the user names a platform. Call before the toolkit starts.
void PreferX11();
