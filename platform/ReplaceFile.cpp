#include "platform/ReplaceFile.h"

#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <optional>
#include <random>
#include <string>

namespace {

bool UnnamedTemporaries = true;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

// Following links by hand must not bypass the kernel's rule for shared
// folders (fs.protected_symlinks): in a sticky folder that everyone may write,
// only a link of the user's own or of the folder's owner is followed.
void CheckMayFollow(const std::string& link, const struct stat& info) {
    struct stat folder {};
    if (info.st_uid == ::geteuid() || ::stat(FolderOf(link).c_str(), &folder) != 0)
        return;
    const mode_t shared = S_ISVTX | S_IWOTH;
    if ((folder.st_mode & shared) == shared && folder.st_uid != info.st_uid)
        throw EInOutError::Naming(
            QCoreApplication::translate(
                "ReplaceFile",
                "Cannot save through the link %1, which another user made in a folder open to all")
                .arg(QString::fromStdString(link))
                .toStdString(),
            EACCES);
}

// A link is replaced through: its target gets the new content and the link
// stays a link. A missing target is created.
std::string ResolveLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        CheckMayFollow(path, info);
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
        if (length < 0)
            throw EInOutError(errno);
        if (length == sizeof buffer)
            throw EInOutError(ENAMETOOLONG);
        const std::string link(buffer, static_cast<size_t>(length));
        path = link.starts_with('/') ? link : Join(FolderOf(path), link);
    }
    throw EInOutError(ELOOP);
}

// Temporary names beside the target: "." + name + ".new-" + six characters.
std::string TemporaryPrefix(const std::string& target) {
    return "." + NameOf(target) + ".new-";
}

constexpr size_t SuffixLength = 6;

std::string RandomSuffix() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    std::string suffix;
    for (size_t i = 0; i < SuffixLength; ++i)
        suffix += letters[pick(generator)];
    return suffix;
}

// A save killed after its temporary got a name leaves that file behind; the
// next save of the same target removes it. Only one process saves a target.
void RemoveLeftovers(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        const std::string path = Join(folder, name);
        if (name.size() == prefix.size() + SuffixLength && name.starts_with(prefix) &&
            ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(path.c_str());
    }
    ::closedir(dir);
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

// A replaced file keeps its permissions. A new one is created with 0666 and
// gets what the kernel gives any new file: less the umask, or the folder's
// default access list.
std::optional<mode_t> ModeOf(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return std::nullopt;
    return info.st_mode & 07777;
}

mode_t CreationMode(const std::optional<mode_t>& kept) {
    return kept ? 0600 : 0666;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void Fill(int fd, const std::optional<mode_t>& kept, const QByteArray& bytes) {
    if (kept && ::fchmod(fd, *kept) != 0)
        throw EInOutError(errno);
    WriteAll(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    if (::fsync(fd) != 0)
        throw EInOutError(errno);
}

// Gives the filled unnamed file a name beside the target; none when the
// system cannot link it (no /proc and no privilege for an empty path).
std::optional<std::string> LinkUnnamed(int fd, const std::string& target) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = Join(FolderOf(target), TemporaryPrefix(target) + RandomSuffix());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        const bool taken = errno == EEXIST;
        if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
            return name;
        if (!taken && errno != EEXIST)
            return std::nullopt;
    }
    throw EInOutError(EEXIST);
}

void CloseChecked(int fd) {
    if (::close(fd) != 0 && errno != EINTR)
        throw EInOutError(errno);
}

// Filled and synced before it has a name, so that a kill at any moment before
// the link leaves nothing behind. None when the file system has no unnamed
// files.
std::optional<std::string> WriteUnnamed(const std::string& target,
                                        const std::optional<mode_t>& kept,
                                        const QByteArray& bytes) {
    if (!UnnamedTemporaries)
        return std::nullopt;
    const int fd =
        ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, CreationMode(kept));
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL || errno == ENOSYS)
            return std::nullopt;
        throw EInOutError(errno);
    }
    std::optional<std::string> name;
    try {
        Fill(fd, kept, bytes);
        name = LinkUnnamed(fd, target);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return name;
}

// O_EXCL refuses anything already there.
int CreateNamed(const std::string& target, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = Join(FolderOf(target), TemporaryPrefix(target) + RandomSuffix());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            throw EInOutError(errno);
    }
    throw EInOutError(EEXIST);
}

std::string WriteNamed(const std::string& target, const std::optional<mode_t>& kept,
                       const QByteArray& bytes) {
    std::string temporary;
    const int fd = CreateNamed(target, CreationMode(kept), temporary);
    bool open = true;
    try {
        Fill(fd, kept, bytes);
        open = false;
        CloseChecked(fd);
    } catch (...) {
        if (open)
            ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    return temporary;
}

} // namespace

void ReplaceFileAtomically(const QString& path, const QByteArray& bytes) {
    const std::string target = ResolveLinks(QFile::encodeName(path).toStdString());
    RemoveLeftovers(target);
    const std::optional<mode_t> kept = ModeOf(target);
    std::optional<std::string> temporary = WriteUnnamed(target, kept, bytes);
    if (!temporary)
        temporary = WriteNamed(target, kept, bytes);
    if (::rename(temporary->c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary->c_str());
        throw EInOutError(error);
    }
    SyncFolder(FolderOf(target));
}

void SetUnnamedTemporaryFilesForTesting(bool enabled) {
    UnnamedTemporaries = enabled;
}
