#include "platform/SingleInstance.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

QString RuntimePath(const QString& name, const QString& suffix) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + "/" + name + suffix;
    return QStringLiteral("/tmp/%1-%2%3").arg(name).arg(::getuid()).arg(suffix);
}

} // namespace

QString SingleInstanceLockPath(const QString& name) {
    return RuntimePath(name, QStringLiteral(".lock"));
}

QString SingleInstanceSocketPath(const QString& name) {
    return RuntimePath(name, QStringLiteral(".socket"));
}

bool AcquireSingleInstance(const QString& name) {
    // O_NOFOLLOW: in /tmp another user could plant a link to a file of ours.
    const int fd = ::open(QFile::encodeName(SingleInstanceLockPath(name)).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true;
    struct stat info;
    if (::fstat(fd, &info) != 0 || info.st_uid != ::getuid()) {
        ::close(fd);
        return true;
    }
    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    return true; // the descriptor stays open, and the lock with it, until the process ends
}
