#include "catalog/CatalogRecord.h"

#include "platform/Exceptions.h"
#include "platform/ReplaceFile.h"
#include "shell/Pathes.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>

namespace {

constexpr size_t RecordSize = sizeof(CatalogRecord);

// Closes the descriptor on every way out of a read or a write.
class FileHandle {
public:
    explicit FileHandle(int fd) : Fd(fd) {}
    ~FileHandle() {
        if (Fd >= 0)
            ::close(Fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return Fd; }
    void Close() {
        const int fd = Fd;
        Fd = -1;
        if (::close(fd) != 0 && errno != EINTR)
            throw EInOutError(errno);
    }

private:
    int Fd;
};

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void ReadExactly(int fd, char* data, size_t size) {
    while (size > 0) {
        const ssize_t got = ::read(fd, data, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw EInOutError(errno);
        if (got == 0)
            throw EInOutError::ReadBeyondEnd();
        data += got;
        size -= static_cast<size_t>(got);
    }
}

} // namespace

std::vector<CatalogRecord> ReadCatalogFile(const QString& path) {
    FileHandle file(::open(Local(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        throw EInOutError(errno);
    struct stat info;
    if (::fstat(file.Get(), &info) != 0)
        throw EInOutError(errno);
    if (S_ISDIR(info.st_mode))
        throw EInOutError(EISDIR);
    const auto count = static_cast<uint64_t>(info.st_size) / RecordSize;
    if (count > MaxCatalogRecords) {
        const int shown = static_cast<int>(std::min(count, uint64_t{INT_MAX}));
        throw Exception(
            QCoreApplication::translate("CatalogFile",
                                        "Catalog %1 is too large: %n records, at most %2 are read",
                                        nullptr, shown)
                .arg(path)
                .arg(MaxCatalogRecords)
                .toStdString());
    }
    std::vector<CatalogRecord> records(static_cast<size_t>(count));
    ReadExactly(file.Get(), reinterpret_cast<char*>(records.data()), records.size() * RecordSize);
    file.Close();
    return records;
}

// Written beside the old file and renamed over it, so that a failure midway
// leaves the previous catalog whole.
void WriteCatalogFile(const QString& path, const std::vector<CatalogRecord>& records) {
    ReplaceFileAtomically(path, QByteArray(reinterpret_cast<const char*>(records.data()),
                                           static_cast<qsizetype>(records.size() * RecordSize)));
}

void LoadCatalog() {
    CatalogLoaded = false;
    CurrentIndex = -1;
    const QString path = LocateFile(QStringLiteral("Data\\All.dat"));
    if (path.isEmpty())
        return;
    std::vector<CatalogRecord> records = ReadCatalogFile(path);
    for (size_t i = 0; i < records.size(); ++i)
        records[i].EntryIndex = static_cast<uint8_t>(i % 256);
    Catalog = std::move(records);
    if (!Catalog.empty()) {
        CatalogLoaded = true;
        CurrentIndex = 0;
    }
}

QString ProgramCatalogPath() {
    return ProgramFolderPath(QStringLiteral("Data\\All.dat"));
}
