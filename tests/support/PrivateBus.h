#pragma once
// A session bus of the test's own, which starts no service on demand, and the
// playerctl client pointed at it.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

// A desktop service played on such a bus by python3-dbusmock: the test gives
// it methods (their Python code sets `ret`), and it logs every call made.
class MockBusService {
public:
    // Claims the name with one object; Running() tells whether it came up.
    MockBusService(const QString& busAddress, const QString& name, const QString& path,
                   const QString& interface);
    ~MockBusService();
    MockBusService(const MockBusService&) = delete;
    MockBusService& operator=(const MockBusService&) = delete;

    bool Running() const { return IsRunning; }
    // On the object's interface; false when the mock refused it.
    bool AddMethod(const QString& name, const QString& inSignature, const QString& outSignature,
                   const QString& code = {});
    // Every call so far, oldest first: the method's name, then its arguments
    // as the mock writes them, e.g. `Inhibit "Quorvix Player" "Playing a clip"`.
    QStringList Calls() const;
    QStringList CallsOf(const QString& method) const;

private:
    QString Address;
    QString Name;
    QString Path;
    QTemporaryDir LogFolder;
    QProcess Mock;
    bool IsRunning = false;
};
