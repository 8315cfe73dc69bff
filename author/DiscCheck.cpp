#include "author/DiscCheck.h"

#include "platform/Exceptions.h"
#include "shell/Pathes.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

namespace {

// Seconds as the messages have always shown them.
QString Num(double seconds) {
    return QStringLiteral("%1").arg(seconds);
}

class TChecker {
public:
    TChecker(const TDiscFileLookup& lookup, const TDurationProbe& duration)
        : Lookup(lookup), Duration(duration) {}

    void CheckEntry(int index, const CatalogRecord& record) {
        const QString entry = QCoreApplication::translate("DiscCheck", "entry %1 \"%2\"")
                                  .arg(QString::number(index), EntryTitle(record));
        if (Lookup(EntryPictureFile(record)).isEmpty())
            Warn(index, QCoreApplication::translate("DiscCheck",
                                                    "%1: no picture %2; the default picture shows")
                            .arg(entry, Shown(EntryPictureFile(record))));
        if (record.EndPos != 0.0 && !(record.StartPos < record.EndPos))
            Fail(index, QCoreApplication::translate(
                            "DiscCheck", "%1: starts at %2 s, not before its end at %3 s")
                            .arg(entry, Num(record.StartPos), Num(record.EndPos)));
        const QString video = Lookup(EntryVideoFile(record));
        if (video.isEmpty()) {
            Fail(index, QCoreApplication::translate("DiscCheck", "%1: no video %2")
                            .arg(entry, Shown(EntryVideoFile(record))));
            return;
        }
        const std::optional<double> length = LengthOf(video);
        if (!length) {
            Fail(index, QCoreApplication::translate("DiscCheck", "%1: %2 cannot be read as media")
                            .arg(entry, video));
            return;
        }
        if (!(record.StartPos < *length))
            Fail(index, QCoreApplication::translate("DiscCheck",
                                                    "%1: starts at %2 s, beyond the %3 s of %4")
                            .arg(entry, Num(record.StartPos), Num(*length), video));
        if (record.EndPos > *length)
            Fail(index,
                 QCoreApplication::translate("DiscCheck", "%1: ends at %2 s, beyond the %3 s of %4")
                     .arg(entry, Num(record.EndPos), Num(*length), video));
    }

    // The tree makes a group of each run of equal keys: a key that comes back
    // after another group gives a second group.
    void CheckGroups(const std::vector<CatalogRecord>& records) {
        QMap<int, int> firstRun;
        for (int i = 0; i < static_cast<int>(records.size()); ++i) {
            const uint8_t key = records[i].GroupKey;
            if (i > 0 && records[i - 1].GroupKey == key)
                continue;
            if (firstRun.contains(key))
                Warn(i,
                     QCoreApplication::translate(
                         "DiscCheck", "group %1 \"%2\" comes back at entry %3 after other groups "
                                      "(its first run starts at entry %4); the tree shows it twice")
                         .arg(QString::number(key), GroupTitle(records[i]), QString::number(i),
                              QString::number(firstRun[key])));
            else
                firstRun[key] = i;
        }
    }

    void Fail(int record, const QString& text) { Findings.push_back({true, text, record}); }
    void Warn(int record, const QString& text) { Findings.push_back({false, text, record}); }

    std::vector<TDiscFinding> Findings;

private:
    static QString Shown(QString name) { return name.replace(QLatin1Char('\\'), QLatin1Char('/')); }

    // Several entries are segments of one file: read its length once.
    std::optional<double> LengthOf(const QString& path) {
        const auto known = Lengths.constFind(path);
        if (known != Lengths.constEnd())
            return *known;
        return *Lengths.insert(path, Duration(path));
    }

    const TDiscFileLookup& Lookup;
    const TDurationProbe& Duration;
    QHash<QString, std::optional<double>> Lengths;
};

} // namespace

std::vector<TDiscFinding> CheckRecords(const std::vector<CatalogRecord>& records,
                                       const TDiscFileLookup& lookup,
                                       const TDurationProbe& duration) {
    TChecker checker(lookup, duration);
    if (records.size() > 256)
        checker.Fail(-1,
                     QCoreApplication::translate(
                         "DiscCheck", "%1 entries: entry numbers are one byte, so entries 256 and "
                                      "later share them with earlier ones")
                         .arg(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        checker.CheckEntry(static_cast<int>(i), records[i]);
    checker.CheckGroups(records);
    return checker.Findings;
}

std::vector<TDiscFinding> CheckDisc(const QString& root, const TDurationProbe& duration) {
    const QString path = LocateFileOn(root, QStringLiteral("Data\\All.dat"));
    if (path.isEmpty())
        throw Exception(QCoreApplication::translate("DiscCheck", "no Data/All.dat in this folder")
                            .toStdString());
    const TDiscFileLookup lookup = [&root](const QString& name) {
        return LocateFileOn(root, name);
    };
    return CheckRecords(ReadCatalogFile(path), lookup, duration);
}
