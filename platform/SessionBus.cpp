#include "platform/SessionBus.h"

#include <QDBusMessage>
#include <QFileInfo>
#include <QStringList>

std::optional<QDBusConnection> SessionBus() {
    // Without an address libdbus would try to launch a bus for the X display,
    // which then outlives the program.
    const QString runtimeBus = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
        !(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && QFileInfo::exists(runtimeBus)))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

void EmitPropertiesChanged(const QDBusConnection& connection, const QString& path,
                           const QString& interface, const QVariantMap& changed) {
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    connection.send(signal);
}
