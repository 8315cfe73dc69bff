#include "support/PrivateBus.h"

#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

PrivateSessionBus::PrivateSessionBus() {
    Daemon.start(QStringLiteral("dbus-daemon"),
                 {"--session", "--nofork", "--nosyslog", "--print-address=1"});
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
