// A file system that fails the way a damaged disc does, for root as well:
//   Data/All.dat         opens, but every read of it is an I/O error;
//   Locked/Data/All.dat  cannot be opened at all (access denied).
// Mounted by tests as `qv_failing_fs MOUNTPOINT`; it serves in the background.
#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr off_t FileSize = 2 * 1300; // two catalog records

bool IsFolder(std::string_view path) {
    return path == "/" || path == "/Data" || path == "/Locked" || path == "/Locked/Data";
}

bool IsFile(std::string_view path) {
    return path == "/Data/All.dat" || path == "/Locked/Data/All.dat";
}

int GetAttr(const char* path, struct stat* info, fuse_file_info*) {
    std::memset(info, 0, sizeof *info);
    if (IsFolder(path)) {
        info->st_mode = S_IFDIR | 0755;
        info->st_nlink = 2;
    } else if (IsFile(path)) {
        info->st_mode = S_IFREG | 0444;
        info->st_nlink = 1;
        info->st_size = FileSize;
    } else {
        return -ENOENT;
    }
    return 0;
}

int ReadDir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
            fuse_readdir_flags) {
    const std::string_view folder(path);
    if (!IsFolder(folder))
        return -ENOENT;
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
    if (folder == "/") {
        fill(buffer, "Data", nullptr, 0, fuse_fill_dir_flags{});
        fill(buffer, "Locked", nullptr, 0, fuse_fill_dir_flags{});
    } else if (folder == "/Locked") {
        fill(buffer, "Data", nullptr, 0, fuse_fill_dir_flags{});
    } else {
        fill(buffer, "All.dat", nullptr, 0, fuse_fill_dir_flags{});
    }
    return 0;
}

int Open(const char* path, fuse_file_info* file) {
    if (!IsFile(path))
        return -ENOENT;
    if (std::string_view(path).starts_with("/Locked/"))
        return -EACCES;
    return (file->flags & O_ACCMODE) == O_RDONLY ? 0 : -EROFS;
}

int Read(const char*, char*, size_t, off_t, fuse_file_info*) {
    return -EIO;
}

} // namespace

int main(int argc, char* argv[]) {
    fuse_operations operations{};
    operations.getattr = GetAttr;
    operations.readdir = ReadDir;
    operations.open = Open;
    operations.read = Read;
    return fuse_main(argc, argv, &operations, nullptr);
}
