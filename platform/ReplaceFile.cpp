#include "platform/ReplaceFile.h"

#include "shell/Exceptions.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const QString& path, int error) {
    throw Exception(QStringLiteral("Cannot write file %1: %2")
                        .arg(path, QString::fromLocal8Bit(std::strerror(error)))
                        .toStdString());
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// A replaced file keeps its permissions; a new one gets the usual 0644.
mode_t ModeFor(const QByteArray& target) {
    struct stat info {};
    if (::stat(target.constData(), &info) == 0)
        return info.st_mode & 07777;
    return 0644;
}

void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void ReplaceFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.fileName().isEmpty())
        Fail(path, ENOENT);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        Fail(path, errno ? errno : EACCES);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    QByteArray temp =
        QFile::encodeName(folder) + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        Fail(path, errno);
    const bool written =
        WriteAll(fd, bytes) && ::fchmod(fd, ModeFor(target)) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.constData());
        Fail(path, written ? errno : writeError);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int renameError = errno;
        ::unlink(temp.constData());
        Fail(path, renameError);
    }
    SyncFolder(folder);
}
