#include "author/DiscProject.h"

#include "catalog/SetupInf.h"
#include "platform/Exceptions.h"
#include "platform/ImageMount.h"
#include "platform/IniFile.h"
#include "platform/ReplaceFile.h"
#include "platform/SettingsSchema.h"
#include "shell/Pathes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

const QString CatalogName = QStringLiteral("Data\\All.dat");
const QString MarkerName = QStringLiteral("QUORVIX_PLAYER.EXE");

[[noreturn]] void Refuse(const QString& text) {
    throw Exception(text.toStdString());
}

bool Storable(char32_t point) {
    const QString character = QString::fromUcs4(&point, 1);
    return AnsiToQString(QStringToAnsi(character).toStdString()) == character;
}

QString Described(char32_t point) {
    return QStringLiteral("\u201C%1\u201D (U+%2)")
        .arg(QString::fromUcs4(&point, 1),
             QStringLiteral("%1").arg(static_cast<uint>(point), 4, 16, QLatin1Char('0')).toUpper());
}

// The stored bytes of a text that CatalogTextProblem has let through.
std::string Ansi(const QString& text) {
    return QStringToAnsi(text).toStdString();
}

void Require(const QString& text, const QString& what) {
    const QString problem = CatalogTextProblem(text);
    if (!problem.isEmpty())
        Refuse(what + QStringLiteral(": ") + problem);
}

bool IsVideo(const QString& suffix) {
    static const QStringList kinds{"avi", "mpg", "mpeg", "mp4", "m4v", "mkv", "mov",
                                   "wmv", "asf", "webm", "ogv", "flv", "ts",  "vob"};
    return kinds.contains(suffix.toLower());
}

// An 8.3-safe base name: every reader of the disc finds it, ISO 9660 names too.
QString ShortMediaName(const QString& base) {
    QString name;
    for (const QChar c : base.toUpper()) {
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            name += c;
        else if (!name.endsWith('_'))
            name += '_';
        if (name.size() == 8)
            break;
    }
    while (name.startsWith('_'))
        name.remove(0, 1);
    return name;
}

QString Unique(QString name, const QMap<QString, QString>& taken) {
    if (name.isEmpty())
        name = QStringLiteral("CLIP");
    if (!taken.contains(name))
        return name;
    for (int n = 1;; ++n) {
        const QString number = QString::number(n).rightJustified(2, '0');
        const QString candidate = name.left(8 - number.size()) + number;
        if (!taken.contains(candidate))
            return candidate;
    }
}

// Each part of a disc name in the spelling the folder already has, so that a
// save over a disc made on Windows replaces its files instead of adding
// a second one in another case.
QString Spelled(const QString& root, const QString& name) {
    QString path = root;
    for (const QString& part : name.split('/', Qt::SkipEmptyParts)) {
        QString spelling = part;
        const QDir folder(path);
        if (!folder.exists(part)) {
            const QStringList entries = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                         QDir::Hidden | QDir::System);
            for (const QString& entry : entries)
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    spelling = entry;
                    break;
                }
        }
        path += QLatin1Char('/') + spelling;
    }
    return path;
}

bool SameFile(const QString& a, const QString& b) {
    struct stat first, second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A clip is large: linked where the file system allows, else copied, and in
// either case complete under a temporary name before it takes the real one.
void PlaceFile(const QString& source, const QString& target) {
    if (SameFile(source, target))
        return;
    const QFileInfo info(target);
    const QString temporary =
        info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".part");
    QFile::remove(temporary);
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(temporary);
    if (::link(from.constData(), to.constData()) != 0) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            Refuse(TDiscProject::tr("Cannot read %1: %2").arg(source, in.errorString()));
        QFile out(temporary);
        if (!out.open(QIODevice::WriteOnly))
            Refuse(TDiscProject::tr("Cannot write %1: %2").arg(temporary, out.errorString()));
        char buffer[1 << 16];
        qint64 got;
        bool written = true;
        while (written && (got = in.read(buffer, sizeof buffer)) > 0)
            written = out.write(buffer, got) == got;
        written = written && got == 0 && out.flush() && ::fsync(out.handle()) == 0;
        const QString why = got < 0 ? in.errorString() : out.errorString();
        out.close();
        if (!written) {
            QFile::remove(temporary);
            Refuse(TDiscProject::tr("Cannot copy %1 to %2: %3").arg(source, target, why));
        }
    }
    if (::rename(to.constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        QFile::remove(temporary);
        throw EInOutError::Naming("Cannot write " + target.toStdString(), error);
    }
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(TDiscProject::tr("Cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

// The volume label of an ISO 9660 image: 32 characters of its primary descriptor.
QString ImageLabel(const QString& image) {
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(16 * 2048 + 40))
        return {};
    return QString::fromLatin1(file.read(32)).trimmed();
}

// A disc in a drive is read-only whatever its mount says: fuseiso mounts
// images read-write and then fails every write.
bool ReadOnlyFolder(const QString& folder) {
    struct statvfs system;
    if (::statvfs(QFile::encodeName(folder).constData(), &system) == 0 &&
        (system.f_flag & ST_RDONLY))
        return true;
    const QString path = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
    for (const QString& drive : CdDriveLetters()) {
        const QString mount = QFileInfo(drive).canonicalFilePath();
        if (!mount.isEmpty() && path.startsWith(mount.endsWith('/') ? mount : mount + '/'))
            return true;
    }
    return !QFileInfo(folder).isWritable();
}

// The file a link leads to: a disc carries files, and the player follows no
// link that leads off its disc.
QString Followed(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

QString MediaKey(const QString& mediaName) {
    return mediaName.toUpper();
}

} // namespace

QString CatalogTextProblem(const QString& text) {
    for (const char32_t point : text.toUcs4())
        if (!Storable(point))
            return TDiscProject::tr("the character %1 cannot be stored in the catalog, which "
                                    "holds Windows-1251 text")
                .arg(Described(point));
    const qsizetype bytes = QStringToAnsi(text).size();
    if (bytes > 255)
        return TDiscProject::tr("%n bytes; the catalog holds at most 255", nullptr, int(bytes));
    return {};
}

TDiscProject::TDiscProject(QObject* parent) : QObject(parent) {
    Reset();
}

TDiscProject::~TDiscProject() = default;

void TDiscProject::Reset() {
    Catalog.clear();
    SourceRoot.clear();
    Media.clear();
    Pictures.clear();
    OriginalSetup.clear();
    MarkerSource.clear();
    Folder.clear();
    ReadOnly = false;
    Modified = false;
    DiscVolume = 1;
    SettingsName = QStringLiteral("Quorvix");
    Label = QStringLiteral("QUORVIX_1");
    Mount.reset();
}

void TDiscProject::NewFromFolder(const QString& clips) {
    const QFileInfo root(clips);
    if (!root.isDir())
        Refuse(tr("%1 is not a folder").arg(clips));
    // Folder (relative to the root) -> its clips, each folder once, in name order.
    QMap<QString, QStringList> folders;
    QDirIterator walk(root.absoluteFilePath(), QDir::Files | QDir::Readable,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QFileInfo clip(walk.next());
        if (IsVideo(clip.suffix()))
            folders[QDir(root.absoluteFilePath()).relativeFilePath(clip.absolutePath())]
                << clip.absoluteFilePath();
    }
    if (folders.isEmpty())
        Refuse(tr("%1 holds no video clips").arg(clips));
    if (folders.size() > 256)
        Refuse(tr("%1 has clips in %n folders; the catalog has at most 256 groups", nullptr,
                  int(folders.size()))
                   .arg(clips));

    TDiscProject fresh;
    int key = folders.size() < 256 ? 1 : 0;
    for (auto folder = folders.begin(); folder != folders.end(); ++folder, ++key) {
        const QString own = (folder.key().isEmpty() || folder.key() == QLatin1String("."))
                                ? root.fileName()
                                : QFileInfo(folder.key()).fileName();
        const QString groupName = CatalogTextProblem(own).isEmpty() ? own : tr("Group %1").arg(key);
        QStringList files = folder.value();
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        for (const QString& file : files)
            fresh.Catalog.push_back(fresh.ClipRecord(file, static_cast<uint8_t>(key), groupName));
    }
    for (size_t i = 0; i < fresh.Catalog.size(); ++i)
        fresh.Catalog[i].EntryIndex = static_cast<uint8_t>(i % 256);
    const QString settings = root.fileName();
    if (!settings.isEmpty() && CatalogTextProblem(settings).isEmpty() &&
        TIniFile::CanStore(QStringToAnsi(settings)) && !settings.contains('/') &&
        !settings.contains('\\'))
        fresh.SettingsName = settings;

    Reset();
    Catalog = std::move(fresh.Catalog);
    Media = std::move(fresh.Media);
    Pictures = std::move(fresh.Pictures);
    SettingsName = fresh.SettingsName;
    Modified = true;
    emit Changed();
}

void TDiscProject::Open(const QString& discOrImage) {
    const QFileInfo info(discOrImage);
    std::shared_ptr<TImageMount> mount;
    QString root = info.absoluteFilePath();
    if (info.isFile()) {
        mount = MountImage(discOrImage);
        root = mount->MountPoint();
    } else if (!info.isDir()) {
        Refuse(tr("%1: no such folder or disc image").arg(discOrImage));
    }
    const QString catalog = LocateFileOn(root, CatalogName);
    if (catalog.isEmpty())
        Refuse(tr("%1 holds no Data/All.dat: not a disc").arg(discOrImage));
    std::vector<CatalogRecord> records = ReadCatalogFile(catalog);
    const QString setup = LocateFileOn(root, QString::fromLatin1(Schema::SetupFile));
    const QByteArray setupBytes = setup.isEmpty() ? QByteArray() : ReadBytes(setup);

    Reset();
    Catalog = std::move(records);
    SourceRoot = root;
    OriginalSetup = setupBytes;
    if (!setup.isEmpty()) {
        const TIniFile ini(setup);
        DiscVolume = ini.ReadInteger(Schema::MainSection, Schema::DiscVolumeKey, 0);
        SettingsName = ReadIniFileName(ini);
    }
    MarkerSource = LocateFileOn(root, MarkerName);
    if (mount) {
        Mount = std::move(mount);
        ReadOnly = true;
        Label = ImageLabel(discOrImage);
    } else {
        Folder = root;
        ReadOnly = ReadOnlyFolder(root) || !QFileInfo(catalog).isWritable();
        Label = QStringLiteral("QUORVIX_%1").arg(std::max(DiscVolume, 1));
    }
    emit Changed();
}

void TDiscProject::Save() {
    if (ReadOnly)
        Refuse(tr("This disc is read-only; save it into a folder instead"));
    if (Folder.isEmpty())
        Refuse(tr("This disc has no folder yet; choose one to save it in"));
    SaveAs(Folder);
}

void TDiscProject::SaveAs(const QString& folder) {
    const QString root = QFileInfo(folder).absoluteFilePath();
    if (!QDir().mkpath(root))
        Refuse(tr("Cannot create the folder %1").arg(folder));
    for (const TDiscFile& file : DiscFiles(false)) {
        const QString target = Spelled(root, file.Name);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            Refuse(tr("Cannot create the folder %1").arg(QFileInfo(target).absolutePath()));
        if (file.Source.isEmpty())
            ReplaceFileAtomically(target, file.Bytes);
        else
            PlaceFile(file.Source, target);
    }
    SourceRoot = root;
    Folder = root;
    Media.clear();
    Pictures.clear();
    OriginalSetup = ReadBytes(LocateFileOn(root, QString::fromLatin1(Schema::SetupFile)));
    MarkerSource = LocateFileOn(root, MarkerName);
    Mount.reset();
    ReadOnly = false;
    Modified = false;
    emit Changed();
}

const CatalogRecord& TDiscProject::Record(int index) const {
    CheckIndex(index);
    return Catalog[static_cast<size_t>(index)];
}

std::vector<TGroupRun> TDiscProject::Groups() const {
    std::vector<TGroupRun> runs;
    for (int i = 0; i < Count(); ++i) {
        const CatalogRecord& record = Catalog[static_cast<size_t>(i)];
        if (runs.empty() || runs.back().Key != record.GroupKey)
            runs.push_back({record.GroupKey, GroupTitle(record), i, 0});
        ++runs.back().Count;
    }
    return runs;
}

void TDiscProject::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        Refuse(tr("There is no entry %1").arg(index));
}

void TDiscProject::CheckRange(int first, int count) const {
    if (first < 0 || count < 0 || first > Count() - count)
        Refuse(tr("There are no entries %1 to %2").arg(first).arg(first + count - 1));
}

void TDiscProject::Edited() {
    Modified = true;
    emit Changed();
}

void TDiscProject::SetTitle(int index, const QString& title) {
    CheckIndex(index);
    Require(title, tr("Title"));
    SetShortString(Catalog[static_cast<size_t>(index)].Title, Ansi(title));
    Edited();
}

void TDiscProject::SetGroupName(int index, const QString& name) {
    CheckIndex(index);
    Require(name, tr("Group name"));
    SetShortString(Catalog[static_cast<size_t>(index)].GroupName, Ansi(name));
    Edited();
}

void TDiscProject::RenameGroup(uint8_t key, const QString& name) {
    Require(name, tr("Group name"));
    for (CatalogRecord& record : Catalog)
        if (record.GroupKey == key)
            SetShortString(record.GroupName, Ansi(name));
    Edited();
}

namespace {

void RequireMediaName(const QString& name) {
    Require(name, TDiscProject::tr("Media name"));
    if (name.isEmpty())
        Refuse(TDiscProject::tr("Media name: empty; it names the entry's video file"));
    for (const QChar c : name)
        if (c == '/' || c == '\\' || c.unicode() < 0x20)
            Refuse(TDiscProject::tr("Media name: the character %1 cannot stand in a file name")
                       .arg(Described(c.unicode())));
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        Refuse(TDiscProject::tr("Media name: \"%1\" names no file").arg(name));
}

} // namespace

void TDiscProject::SetMediaName(int index, const QString& name) {
    CheckIndex(index);
    RequireMediaName(name);
    SetShortString(Catalog[static_cast<size_t>(index)].MediaName, Ansi(name));
    Edited();
}

void TDiscProject::RenameMedia(const QString& from, const QString& to) {
    RequireMediaName(to);
    const QString video = MediaFile(from);
    const QString picture = PictureFile(from);
    if (MediaKey(from) != MediaKey(to) && !MediaFile(to).isEmpty())
        Refuse(tr("Media name: %1 already names another clip").arg(to));
    for (CatalogRecord& record : Catalog)
        if (MediaKey(MediaNameOf(record)) == MediaKey(from))
            SetShortString(record.MediaName, Ansi(to));
    Media.remove(MediaKey(from));
    Pictures.remove(MediaKey(from));
    if (!video.isEmpty())
        Media[MediaKey(to)] = video;
    if (!picture.isEmpty())
        Pictures[MediaKey(to)] = picture;
    Edited();
}

void TDiscProject::SetMarks(int index, double start, double end) {
    CheckIndex(index);
    if (!std::isfinite(start) || !std::isfinite(end) || start < 0 || end < 0)
        Refuse(tr("Marks must be seconds from the start of the file, not below 0"));
    if (end != 0.0 && end <= start)
        Refuse(tr("The end mark (%1 s) must come after the start mark (%2 s)").arg(end).arg(start));
    CatalogRecord& record = Catalog[static_cast<size_t>(index)];
    record.StartPos = start;
    record.EndPos = end;
    Edited();
}

void TDiscProject::ReplaceRecord(int index, const CatalogRecord& record) {
    CheckIndex(index);
    Catalog[static_cast<size_t>(index)] = record;
    Edited();
}

void TDiscProject::InsertRecords(int at, const std::vector<CatalogRecord>& records) {
    CheckRange(at, 0);
    if (Catalog.size() + records.size() > MaxCatalogRecords)
        Refuse(tr("The catalog holds at most %1 records").arg(MaxCatalogRecords));
    Catalog.insert(Catalog.begin() + at, records.begin(), records.end());
    Edited();
}

std::vector<CatalogRecord> TDiscProject::RemoveRecords(int first, int count) {
    CheckRange(first, count);
    const auto begin = Catalog.begin() + first;
    std::vector<CatalogRecord> removed(begin, begin + count);
    Catalog.erase(begin, begin + count);
    Edited();
    return removed;
}

void TDiscProject::MoveRecords(int first, int count, int to) {
    CheckRange(first, count);
    CheckRange(to, count);
    const auto begin = Catalog.begin();
    if (to < first)
        std::rotate(begin + to, begin + first, begin + first + count);
    else
        std::rotate(begin + first, begin + first + count, begin + to + count);
    Edited();
}

CatalogRecord TDiscProject::ClipRecord(const QString& clip, uint8_t groupKey,
                                       const QString& groupName) {
    const QFileInfo info(clip);
    if (!info.isFile())
        Refuse(tr("%1: no such clip").arg(clip));
    Require(groupName, tr("Group name"));
    QMap<QString, QString> taken = Media;
    for (const CatalogRecord& record : Catalog)
        taken[MediaKey(MediaNameOf(record))] = {};
    const QString name = Unique(ShortMediaName(info.completeBaseName()), taken);
    const QString title =
        CatalogTextProblem(info.completeBaseName()).isEmpty() ? info.completeBaseName() : name;
    CatalogRecord record;
    std::memset(&record, 0, sizeof record);
    record.GroupKey = groupKey;
    record.EntryIndex = static_cast<uint8_t>(Catalog.size() % 256);
    SetShortString(record.GroupName, Ansi(groupName));
    SetShortString(record.Title, Ansi(title));
    SetShortString(record.MediaName, Ansi(name));
    Media[name] = info.absoluteFilePath();
    // A picture beside the clip, of its name, is taken for its picture.
    for (const char* suffix : {".jpg", ".jpeg", ".JPG", ".JPEG"}) {
        const QString picture = info.absolutePath() + '/' + info.completeBaseName() + suffix;
        if (QFileInfo(picture).isFile()) {
            Pictures[name] = picture;
            break;
        }
    }
    return record;
}

uint8_t TDiscProject::UnusedGroupKey() const {
    bool used[256] = {};
    for (const CatalogRecord& record : Catalog)
        used[record.GroupKey] = true;
    for (int key = 1; key < 256; ++key)
        if (!used[key])
            return static_cast<uint8_t>(key);
    if (!used[0])
        return 0;
    Refuse(tr("Every one of the 256 group keys is taken"));
}

void TDiscProject::SetVolume(int volume) {
    if (volume < 1)
        Refuse(tr("The volume number must be 1 or more"));
    DiscVolume = volume;
    Edited();
}

void TDiscProject::SetIniFileName(const QString& name) {
    Require(name, tr("Settings name"));
    if (name.isEmpty() || name.contains('/') || name.contains('\\') ||
        !TIniFile::CanStore(QStringToAnsi(name)))
        Refuse(tr("Settings name: \"%1\" cannot name a settings file").arg(name));
    SettingsName = name;
    Edited();
}

void TDiscProject::SetVolumeLabel(const QString& label) {
    const QString upper = label.toUpper();
    if (upper.isEmpty() || upper.size() > 32)
        Refuse(tr("The volume label must have 1 to 32 characters"));
    for (const QChar c : upper)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            Refuse(tr("The volume label may hold only A-Z, 0-9 and _, not %1")
                       .arg(Described(c.unicode())));
    Label = upper;
    Edited();
}

QString TDiscProject::MediaFile(const QString& mediaName) const {
    const auto listed = Media.constFind(MediaKey(mediaName));
    if (listed != Media.constEnd())
        return *listed;
    return SourceRoot.isEmpty() ? QString()
                                : LocateFileOn(SourceRoot, QStringLiteral("Video\\") + mediaName +
                                                               QStringLiteral(".AVI"));
}

QString TDiscProject::PictureFile(const QString& mediaName) const {
    const auto listed = Pictures.constFind(MediaKey(mediaName));
    if (listed != Pictures.constEnd())
        return *listed;
    return SourceRoot.isEmpty() ? QString()
                                : LocateFileOn(SourceRoot, QStringLiteral("Pic\\") + mediaName +
                                                               QStringLiteral(".jpg"));
}

void TDiscProject::SetPicture(const QString& mediaName, const QString& jpeg) {
    if (!QFileInfo(jpeg).isFile())
        Refuse(tr("%1: no such picture").arg(jpeg));
    Pictures[MediaKey(mediaName)] = QFileInfo(jpeg).absoluteFilePath();
    Edited();
}

QString TDiscProject::FindFile(const QString& discName) const {
    const auto middle = [&discName](const char* prefix,
                                    const char* suffix) -> std::optional<QString> {
        const QString head = QString::fromLatin1(prefix);
        const QString tail = QString::fromLatin1(suffix);
        if (discName.startsWith(head, Qt::CaseInsensitive) &&
            discName.endsWith(tail, Qt::CaseInsensitive) &&
            discName.size() >= head.size() + tail.size())
            return discName.mid(head.size(), discName.size() - head.size() - tail.size());
        return std::nullopt;
    };
    if (const auto name = middle("Video\\", ".AVI"))
        return MediaFile(*name);
    if (const auto name = middle("Pic\\", ".jpg"))
        return PictureFile(*name);
    return SourceRoot.isEmpty() ? QString() : LocateFileOn(SourceRoot, discName);
}

QStringList TDiscProject::MediaNames() const {
    QStringList names;
    QStringList keys;
    for (const CatalogRecord& record : Catalog) {
        const QString name = MediaNameOf(record);
        if (!keys.contains(MediaKey(name))) {
            keys << MediaKey(name);
            names << name;
        }
    }
    return names;
}

QByteArray TDiscProject::SetupBytes() const {
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("setup.inf"));
    ReplaceFileAtomically(path, OriginalSetup.isEmpty() ? QByteArray("[Main]\r\n") : OriginalSetup);
    TIniFile(path).WriteStrings(Schema::MainSection,
                                {{Schema::DiscVolumeKey, QByteArray::number(DiscVolume)},
                                 {Schema::IniFileNameKey, QStringToAnsi(SettingsName)}});
    return ReadBytes(path);
}

std::vector<TDiscFile> TDiscProject::DiscFiles(bool upperCase) const {
    const auto named = [upperCase](const QString& name) {
        return upperCase ? name.toUpper() : name;
    };
    std::vector<TDiscFile> files;
    files.push_back({named(QStringLiteral("setup.inf")), {}, SetupBytes()});
    if (MarkerSource.isEmpty())
        files.push_back({MarkerName, {}, QByteArrayLiteral("MZ")});
    else
        files.push_back({MarkerName, Followed(MarkerSource), {}});
    for (const QString& name : MediaNames()) {
        if (const QString video = MediaFile(name); !video.isEmpty())
            files.push_back({named(QStringLiteral("Video/") + name + QStringLiteral(".AVI")),
                             Followed(video),
                             {}});
        if (const QString picture = PictureFile(name); !picture.isEmpty())
            files.push_back({named(QStringLiteral("Pic/") + name + QStringLiteral(".jpg")),
                             Followed(picture),
                             {}});
    }
    // The catalog last: a disc whose save failed midway still has its old one.
    files.push_back({named(QStringLiteral("Data/All.dat")),
                     {},
                     QByteArray(reinterpret_cast<const char*>(Catalog.data()),
                                static_cast<qsizetype>(Catalog.size() * sizeof(CatalogRecord)))});
    return files;
}
