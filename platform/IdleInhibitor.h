#pragma once
// Keeps the screen from blanking and the display from powering down while
// asked to. Through the desktop portal where one runs, else the desktop's
// screen saver service; both drop what a bus connection asked for when it
// closes, so a crashed program leaves nothing behind. Without either, the X
// server's own saver is suspended for this client, which ends with it too.

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;

class TIdleInhibitor : public QObject {
    Q_OBJECT
public:
    // Without a bus only the X server's saver can be held off.
    TIdleInhibitor(std::optional<QDBusConnection> bus, QString appName, QString reason,
                   QObject* parent = nullptr);
    // Lets go, and waits for the service to hear it. Nothing else waits for
    // the services: their calls never hold up the window thread.
    ~TIdleInhibitor() override;

    // Asks for the inhibition or lets it go. A request still under way is
    // settled by its answer.
    void SetInhibited(bool inhibited);
    bool Held() const { return Cookie || !Handle.isEmpty() || XSuspended; }

private:
    enum class TWay { Undecided, Portal, ScreenSaver, XServer, Unavailable };

    void Apply();
    void Acquire();
    void Release();
    void Granted(QDBusPendingCallWatcher* call);
    void Refused();
    void Send(const QDBusMessage& release);
    void CallScreenSaver(const QString& path);
    void SuspendXSaver(bool suspend);

    std::optional<QDBusConnection> Bus;
    QString AppName;
    QString Reason;
    TWay Way = TWay::Undecided;
    QString ScreenSaverPath;
    bool Wanted = false;
    QDBusPendingCallWatcher* Pending = nullptr;
    QList<QDBusPendingCallWatcher*> Releases; // not yet answered
    std::optional<uint> Cookie;               // of the screen saver service
    QString Handle;                           // of the portal's request
    bool XSuspended = false;
};
