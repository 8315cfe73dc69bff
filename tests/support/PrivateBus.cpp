#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

PrivateSessionBus::PrivateSessionBus() {
    Daemon.start(QStringLiteral("dbus-daemon"),
                 {"--config-file=" QV_SOURCE_DIR "/tests/support/private-bus.conf", "--nofork",
                  "--nosyslog", "--print-address=1"});
    if (Daemon.waitForReadyRead(10000))
        BusAddress = QString::fromUtf8(Daemon.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus() {
    Daemon.terminate();
    Daemon.waitForFinished();
}

QString PrivateSessionBus::Playerctl(const QStringList& arguments, bool mayFail) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), BusAddress);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("playerctl"),
                  QStringList{QStringLiteral("--player=quorvix_player")} + arguments);
    EXPECT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
        << "playerctl " << arguments.join(' ').toStdString();
    if (!mayFail) {
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

MockBusService::MockBusService(const QString& busAddress, const QString& name, const QString& path,
                               const QString& interface)
    : Address(busAddress), Name(name), Path(path) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    Mock.setProcessEnvironment(environment);
    Mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The system's Python, which has the Debian package's module.
    Mock.start(
        QStringLiteral("/usr/bin/python3"),
        {"-m", "dbusmock", "--session", "-l", LogFolder.filePath("calls"), name, path, interface});
    const QString connection = QStringLiteral("mock-watch-") + name;
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress, connection);
    IsRunning = QTest::qWaitFor(
        [&] {
            return Mock.state() != QProcess::NotRunning &&
                   bus.interface()->isServiceRegistered(name).value();
        },
        15000);
    QDBusConnection::disconnectFromBus(connection);
}

MockBusService::~MockBusService() {
    Mock.terminate();
    Mock.waitForFinished();
}

bool MockBusService::AddMethod(const QString& name, const QString& inSignature,
                               const QString& outSignature, const QString& code) {
    const QString connection = QStringLiteral("mock-add-") + Name;
    QDBusMessage call = QDBusMessage::createMethodCall(
        Name, Path, QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"));
    call << QString() << name << inSignature << outSignature << code;
    const QDBusMessage reply =
        QDBusConnection::connectToBus(Address, connection).call(call, QDBus::Block, 10000);
    QDBusConnection::disconnectFromBus(connection);
    return reply.type() == QDBusMessage::ReplyMessage;
}

QStringList MockBusService::Calls() const {
    QFile log(LogFolder.filePath("calls"));
    QStringList calls;
    if (!log.open(QIODevice::ReadOnly))
        return calls;
    // Each line: a time stamp, a space, the call.
    for (const QByteArray& line : log.readAll().split('\n'))
        if (const qsizetype space = line.indexOf(' '); space >= 0)
            calls << QString::fromUtf8(line.mid(space + 1));
    return calls;
}

QStringList MockBusService::CallsOf(const QString& method) const {
    QStringList calls = Calls();
    calls.removeIf([&](const QString& call) { return call.section(' ', 0, 0) != method; });
    return calls;
}
