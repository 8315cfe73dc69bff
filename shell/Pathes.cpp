#include "shell/Pathes.h"

#include <QCoreApplication>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Seams {
    QString mountInfoPath;
    QString programFolder;
    QString programFileName;
};

Seams& TestSeams() {
    static Seams seams;
    return seams;
}

std::string Local(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

// The name the program disc carries in its root. Fixed rather than taken from
// the running executable, which is installed as quorvix-player.
QString ProgramFileName() {
    if (!TestSeams().programFileName.isEmpty())
        return TestSeams().programFileName;
    return QStringLiteral("Quorvix_Player");
}

// The kernel writes space, tab, newline and backslash in mountinfo as \ooo.
std::string DecodeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
                           field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
                           field[i + 3] >= '0' && field[i + 3] <= '7';
        if (octal) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string ReadWholeFile(const std::string& path) {
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[8192];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(got));
    ::close(fd);
    return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (start <= line.size()) {
        const size_t end = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool IsOpticalMount(std::string_view fsType, std::string_view source) {
    return fsType == "iso9660" || fsType == "udf" || fsType == "fuse.fuseiso" ||
           source.starts_with("/dev/sr");
}

// Mount points (local encoding) of optical media, in mountinfo order.
std::vector<std::string> OpticalMountPoints() {
    const QString& seam = TestSeams().mountInfoPath;
    const std::string text = ReadWholeFile(seam.isEmpty() ? "/proc/self/mountinfo" : Local(seam));
    std::vector<std::string> points;
    std::string_view rest(text);
    while (!rest.empty()) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        const auto fields = SplitFields(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        // id parent dev root mountpoint options [optional...] - fstype source superoptions
        size_t dash = 6;
        while (dash < fields.size() && fields[dash] != "-")
            ++dash;
        if (dash + 2 >= fields.size())
            continue;
        if (IsOpticalMount(fields[dash + 1], DecodeMountField(fields[dash + 2])))
            points.push_back(DecodeMountField(fields[4]));
    }
    return points;
}

std::string Join(const std::string& folder, const std::string& entry) {
    return folder.ends_with('/') ? folder + entry : folder + '/' + entry;
}

bool SameName(const char* entry, const QString& wanted) {
    return QString::compare(QFile::decodeName(entry), wanted, Qt::CaseInsensitive) == 0;
}

QString WithoutExe(QString name) {
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Entry of a folder named like wanted when case is ignored; the exact spelling wins.
std::optional<std::string> FindEntry(const std::string& folder, const QString& wanted) {
    const std::string exact = Local(wanted);
    struct stat info;
    if (::lstat(Join(folder, exact).c_str(), &info) == 0)
        return exact;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        if (SameName(entry->d_name, wanted)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

bool CarriesProgram(const std::string& root) {
    const QString wanted = WithoutExe(ProgramFileName());
    DIR* dir = ::opendir(root.c_str());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (QString::compare(WithoutExe(QFile::decodeName(entry->d_name)), wanted,
                             Qt::CaseInsensitive) == 0 &&
            IsRegularFile(Join(root, entry->d_name))) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::optional<std::string> FirstProgramDisc() {
    for (const std::string& point : OpticalMountPoints())
        if (CarriesProgram(point))
            return point;
    return std::nullopt;
}

// A NUL would cut the name handed to the system short, and Windows names
// never hold control characters at all.
bool HasControlCharacter(const QString& name) {
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// Components of a name such as "Video\clip.AVI"; none for names that are
// absolute, climb out with ".." or hold control characters, since the disc is
// untrusted input.
std::optional<QStringList> SafeComponents(const QString& name) {
    if (name.isEmpty() || name.startsWith('\\') || name.startsWith('/') ||
        (name.size() > 1 && name[1] == ':') || HasControlCharacter(name))
        return std::nullopt;
    QStringList parts;
    for (const QString& part : QString(name).replace('/', '\\').split('\\')) {
        if (part == QLatin1String(".."))
            return std::nullopt;
        if (!part.isEmpty() && part != QLatin1String("."))
            parts << part;
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts;
}

// Path of an existing regular file under root; case of each component ignored.
std::optional<std::string> ResolveExisting(const std::string& root, const QStringList& parts) {
    std::string path = root;
    for (const QString& part : parts) {
        const auto entry = FindEntry(path, part);
        if (!entry)
            return std::nullopt;
        path = Join(path, *entry);
    }
    if (!IsRegularFile(path))
        return std::nullopt;
    return path;
}

bool InsideFolder(const std::string& path, const std::string& folder) {
    char realPath[PATH_MAX];
    char realFolder[PATH_MAX];
    if (!::realpath(path.c_str(), realPath) || !::realpath(folder.c_str(), realFolder))
        return false;
    const std::string prefix = Join(realFolder, "");
    return std::string_view(realPath).starts_with(prefix);
}

} // namespace

QStringList CdDriveLetters() {
    QStringList drives;
    for (const std::string& point : OpticalMountPoints())
        drives << QFile::decodeName(point.c_str());
    return drives;
}

bool ProgramDiscPresent() {
    return FirstProgramDisc().has_value();
}

QString ProgramDiscDrive() {
    const auto disc = FirstProgramDisc();
    return disc ? QFile::decodeName(disc->c_str()) : QString();
}

QString LocateFile(const QString& name) {
    const auto parts = SafeComponents(name);
    if (!parts)
        return {};
    if (const auto beside = ResolveExisting(Local(ProgramFolder()), *parts))
        return QFile::decodeName(beside->c_str());
    const auto disc = FirstProgramDisc();
    return disc ? LocateFileOn(QFile::decodeName(disc->c_str()), name) : QString();
}

QString LocateFileOn(const QString& root, const QString& name) {
    const auto parts = SafeComponents(name);
    if (!parts || root.isEmpty())
        return {};
    // A symbolic link on the disc must not lead off it.
    const std::string folder = Local(root);
    const auto found = ResolveExisting(folder, *parts);
    if (!found || !InsideFolder(*found, folder))
        return {};
    return QFile::decodeName(found->c_str());
}

QString ProgramFolder() {
    QString folder = TestSeams().programFolder;
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

QString ProgramFolderPath(const QString& name) {
    const auto parts = SafeComponents(name);
    if (!parts)
        return {};
    std::string path = Local(ProgramFolder());
    for (const QString& part : *parts)
        path = Join(path, FindEntry(path, part).value_or(Local(part)));
    return QFile::decodeName(path.c_str());
}

void SetMountInfoPathForTesting(const QString& path) {
    TestSeams().mountInfoPath = path;
}
void SetProgramFolderForTesting(const QString& folder) {
    TestSeams().programFolder = folder;
}
void SetProgramFileNameForTesting(const QString& fileName) {
    TestSeams().programFileName = fileName;
}
