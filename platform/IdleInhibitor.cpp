#include "platform/IdleInhibitor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString ScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPaths[] = {QStringLiteral("/org/freedesktop/ScreenSaver"),
                                    QStringLiteral("/ScreenSaver")};
constexpr uint PortalIdleFlag = 8;
// A release must reach the service before the program ends, which waits
// for it; a service that does not answer by then drops the inhibition with
// the connection anyway.
constexpr int ReleaseTimeoutMs = 1000;
// A service that may first have to start; the end of the program waits for it.
constexpr int RequestTimeoutMs = 5000;

// The X server's connection of this program; null on other platforms.
Display* XDisplay() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    int event = 0, error = 0;
    return display && XScreenSaverQueryExtension(display, &event, &error) ? display : nullptr;
}

} // namespace

TIdleInhibitor::TIdleInhibitor(std::optional<QDBusConnection> bus, QString appName, QString reason,
                               QObject* parent)
    : QObject(parent), Bus(std::move(bus)), AppName(std::move(appName)), Reason(std::move(reason)) {
}

TIdleInhibitor::~TIdleInhibitor() {
    Wanted = false;
    if (Pending) {
        Pending->waitForFinished();
        Granted(Pending);
    }
    Apply();
    for (QDBusPendingCallWatcher* release : Releases)
        release->waitForFinished();
}

void TIdleInhibitor::SetInhibited(bool inhibited) {
    Wanted = inhibited;
    Apply();
}

void TIdleInhibitor::Apply() {
    if (Pending)
        return;
    if (Wanted && !Held())
        Acquire();
    else if (!Wanted && Held())
        Release();
}

void TIdleInhibitor::Acquire() {
    // The portal first; a refusal (it or its call missing) moves on to the next way.
    if (Way == TWay::Undecided)
        Way = Bus ? TWay::Portal : TWay::XServer;
    switch (Way) {
    case TWay::Portal: {
        QDBusMessage call = QDBusMessage::createMethodCall(
            PortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
        call << QString() << PortalIdleFlag << QVariantMap{{QStringLiteral("reason"), Reason}};
        Pending = new QDBusPendingCallWatcher(Bus->asyncCall(call, RequestTimeoutMs), this);
        break;
    }
    case TWay::ScreenSaver:
        CallScreenSaver(ScreenSaverPath.isEmpty() ? ScreenSaverPaths[0] : ScreenSaverPath);
        break;
    case TWay::XServer:
        SuspendXSaver(true);
        return;
    case TWay::Undecided:
    case TWay::Unavailable:
        return;
    }
    connect(Pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                Granted(call);
                Apply();
            });
}

void TIdleInhibitor::CallScreenSaver(const QString& path) {
    ScreenSaverPath = path;
    QDBusMessage call = QDBusMessage::createMethodCall(ScreenSaverService, path, ScreenSaverService,
                                                       QStringLiteral("Inhibit"));
    call << AppName << Reason;
    Pending = new QDBusPendingCallWatcher(Bus->asyncCall(call, RequestTimeoutMs), this);
}

void TIdleInhibitor::Granted(QDBusPendingCallWatcher* call) {
    Pending = nullptr;
    call->deleteLater();
    if (call->isError()) {
        Refused();
    } else if (Way == TWay::Portal) {
        Handle = QDBusPendingReply<QDBusObjectPath>(*call).value().path();
    } else {
        Cookie = QDBusPendingReply<uint>(*call).value();
    }
}

// The next way to try after a refusal: the screen saver service at either
// path, then the X server.
void TIdleInhibitor::Refused() {
    if (Way == TWay::Portal) {
        Way = TWay::ScreenSaver;
    } else if (Way == TWay::ScreenSaver && ScreenSaverPath == ScreenSaverPaths[0]) {
        ScreenSaverPath = ScreenSaverPaths[1];
    } else {
        Way = TWay::XServer;
    }
}

void TIdleInhibitor::Release() {
    if (!Handle.isEmpty()) {
        Send(QDBusMessage::createMethodCall(PortalService, Handle,
                                            QStringLiteral("org.freedesktop.portal.Request"),
                                            QStringLiteral("Close")));
        Handle.clear();
    }
    if (Cookie) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            ScreenSaverService, ScreenSaverPath, ScreenSaverService, QStringLiteral("UnInhibit"));
        call << *Cookie;
        Send(call);
        Cookie.reset();
    }
    if (XSuspended)
        SuspendXSaver(false);
}

void TIdleInhibitor::Send(const QDBusMessage& release) {
    auto* watcher = new QDBusPendingCallWatcher(Bus->asyncCall(release, ReleaseTimeoutMs), this);
    Releases.push_back(watcher);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        Releases.removeOne(watcher);
        watcher->deleteLater();
    });
}

void TIdleInhibitor::SuspendXSaver(bool suspend) {
    Display* display = XDisplay();
    if (!display) {
        Way = TWay::Unavailable;
        return;
    }
    XScreenSaverSuspend(display, suspend ? True : False);
    XFlush(display);
    XSuspended = suspend;
}
