#pragma once
// A disc image mounted through UDisks2: a read-only loop device for an open
// descriptor of the image, and its file system mounted as the desktop mounts
// removable media.

#include "platform/ImageMount.h"

#include <QDBusConnection>

#include <optional>

// The system bus when UDisks2 runs on it or can be started there.
std::optional<QDBusConnection> UDisksBus();

// Throws with the service's answer when it refuses.
std::unique_ptr<TImageMount> MountWithUDisks(const QDBusConnection& bus, const QString& image);
