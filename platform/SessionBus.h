#pragma once
// The user's D-Bus session bus, and the signal that announces changed properties.

#include <QDBusConnection>
#include <QVariantMap>

#include <optional>

// The session bus when the session has one; never starts a bus of its own.
std::optional<QDBusConnection> SessionBus();

// org.freedesktop.DBus.Properties.PropertiesChanged for one interface of an object.
void EmitPropertiesChanged(const QDBusConnection& connection, const QString& path,
                           const QString& interface, const QVariantMap& changed);
