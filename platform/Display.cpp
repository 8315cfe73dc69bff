#include "platform/Display.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

namespace {

// Platforms that need no display server (offscreen, vnc...) are the user's choice.
bool UsesX11() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith(QStringLiteral("xcb"));
}

} // namespace

QString DisplayProblem() {
    if (!UsesX11())
        return {};
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                   ? QCoreApplication::translate(
                         "Display", "needs a graphical display, and DISPLAY is not set")
                   : QCoreApplication::translate(
                         "Display", "needs X11 (XWayland on a Wayland desktop), and DISPLAY is "
                                    "not set");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!opened)
        return QCoreApplication::translate("Display",
                                           "needs a graphical display, and cannot open display %1")
            .arg(display);
    return {};
}

void PreferX11() {
    // Qt itself picks Wayland in a Wayland session (but for GNOME's).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
