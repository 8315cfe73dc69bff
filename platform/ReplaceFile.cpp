#include "platform/ReplaceFile.h"

#include "shell/Exceptions.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A fresh name beside the target; O_EXCL refuses anything already there.
int CreateTemporary(const std::string& target, std::string& temporary) {
    const auto slash = target.rfind('/');
    const auto name = slash == std::string::npos ? 0 : slash + 1;
    temporary = target.substr(0, name) + "." + target.substr(name) + ".XXXXXX";
    return ::mkostemp(temporary.data(), O_CLOEXEC);
}

void WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            throw EInOutError(errno);
        if (put == 0)
            throw EInOutError(ENOSPC);
        data += put;
        size -= static_cast<size_t>(put);
    }
}

// A replaced file keeps its permissions; a new one gets the usual 0644.
void KeepMode(int fd, const std::string& target) {
    struct stat info {};
    const mode_t mode = ::stat(target.c_str(), &info) == 0 ? info.st_mode & 07777 : 0644;
    if (::fchmod(fd, mode) != 0)
        throw EInOutError(errno);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void ReplaceFileAtomically(const QString& path, const QByteArray& bytes) {
    const std::string target = QFile::encodeName(path).toStdString();
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        throw EInOutError(errno);
    bool open = true;
    try {
        KeepMode(fd, target);
        WriteAll(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
        if (::fsync(fd) != 0)
            throw EInOutError(errno);
        open = false;
        if (::close(fd) != 0 && errno != EINTR)
            throw EInOutError(errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0)
            throw EInOutError(errno);
    } catch (...) {
        if (open)
            ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    SyncFolder(FolderOf(target));
}
