#include "tools/DiscCheck.h"

#include "catalog/CatalogRecord.h"
#include "platform/Exceptions.h"
#include "shell/Pathes.h"

#include <QHash>
#include <QMap>

#include <cmath>

namespace {

class TChecker {
public:
    TChecker(const QString& root, const TDurationProbe& duration)
        : Root(root), Duration(duration) {}

    void CheckEntry(size_t index, const CatalogRecord& record) {
        const QString entry = QStringLiteral("entry %1 \"%2\"")
                                  .arg(index)
                                  .arg(AnsiToQString(ShortString(record.Title)));
        if (!Found(EntryPictureFile(record)))
            Warn(entry + QStringLiteral(": no picture %1; the default picture shows")
                             .arg(Shown(EntryPictureFile(record))));
        if (record.EndPos != 0.0 && !(record.StartPos < record.EndPos))
            Fail(entry + QStringLiteral(": starts at %1 s, not before its end at %2 s")
                             .arg(record.StartPos)
                             .arg(record.EndPos));
        const QString video = LocateFileOn(Root, EntryVideoFile(record));
        if (video.isEmpty()) {
            Fail(entry + QStringLiteral(": no video %1").arg(Shown(EntryVideoFile(record))));
            return;
        }
        const std::optional<double> length = LengthOf(video);
        if (!length) {
            Fail(entry + QStringLiteral(": %1 cannot be read as media").arg(video));
            return;
        }
        if (!(record.StartPos < *length))
            Fail(entry + QStringLiteral(": starts at %1 s, beyond the %2 s of %3")
                             .arg(record.StartPos)
                             .arg(*length)
                             .arg(video));
        if (record.EndPos > *length)
            Fail(entry + QStringLiteral(": ends at %1 s, beyond the %2 s of %3")
                             .arg(record.EndPos)
                             .arg(*length)
                             .arg(video));
    }

    // The tree makes a group of each run of equal keys: a key that comes back
    // after another group gives a second group.
    void CheckGroups(const std::vector<CatalogRecord>& records) {
        QMap<int, size_t> firstRun;
        for (size_t i = 0; i < records.size(); ++i) {
            const uint8_t key = records[i].GroupKey;
            if (i > 0 && records[i - 1].GroupKey == key)
                continue;
            if (firstRun.contains(key))
                Warn(QStringLiteral("group %1 \"%2\" comes back at entry %3 after other groups "
                                    "(its first run starts at entry %4); the tree shows it twice")
                         .arg(key)
                         .arg(AnsiToQString(ShortString(records[i].GroupName)))
                         .arg(i)
                         .arg(firstRun[key]));
            else
                firstRun[key] = i;
        }
    }

    void Fail(const QString& text) { Findings.push_back({true, text}); }
    void Warn(const QString& text) { Findings.push_back({false, text}); }

    std::vector<TDiscFinding> Findings;

private:
    bool Found(const QString& name) const { return !LocateFileOn(Root, name).isEmpty(); }
    static QString Shown(QString name) { return name.replace(QLatin1Char('\\'), QLatin1Char('/')); }

    // Several entries are segments of one file: read its length once.
    std::optional<double> LengthOf(const QString& path) {
        const auto known = Lengths.constFind(path);
        if (known != Lengths.constEnd())
            return *known;
        return *Lengths.insert(path, Duration(path));
    }

    QString Root;
    const TDurationProbe& Duration;
    QHash<QString, std::optional<double>> Lengths;
};

} // namespace

std::vector<TDiscFinding> CheckDisc(const QString& root, const TDurationProbe& duration) {
    const QString path = LocateFileOn(root, QStringLiteral("Data\\All.dat"));
    if (path.isEmpty())
        throw Exception("no Data/All.dat in this folder");
    const std::vector<CatalogRecord> records = ReadCatalogFile(path);
    TChecker checker(root, duration);
    if (records.size() > 256)
        checker.Fail(QStringLiteral("%1 entries: entry numbers are one byte, so entries 256 and "
                                    "later share them with earlier ones")
                         .arg(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        checker.CheckEntry(i, records[i]);
    checker.CheckGroups(records);
    return checker.Findings;
}
