#pragma once
// A session bus of the test's own, as dbus-run-session starts one, and the
// playerctl client pointed at it.

#include <QProcess>
#include <QString>
#include <QStringList>

class PrivateSessionBus {
public:
    PrivateSessionBus(); // starts a dbus-daemon; Address() is empty when it failed
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    QString Address() const { return BusAddress; }
    // Runs playerctl for the player on this bus while this thread's events
    // flow (the player may answer from here); its output, trimmed. A failure
    // fails the test unless it may fail (while the player is not there yet).
    QString Playerctl(const QStringList& arguments, bool mayFail = false) const;

private:
    QProcess Daemon;
    QString BusAddress;
};
