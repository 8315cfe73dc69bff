#pragma once
// One running instance per user: a lock file held for the life of the process.
// The kernel drops the lock when the process ends, however it ends.

#include <QString>

// True when this process now holds the lock for name; false when another
// process holds it. A lock file that cannot be used never stops a start.
bool AcquireSingleInstance(const QString& name);
// Where the lock for name lives: $XDG_RUNTIME_DIR, else /tmp with the user id.
QString SingleInstanceLockPath(const QString& name);
// Where the running instance listens for later starts, beside its lock.
QString SingleInstanceSocketPath(const QString& name);
