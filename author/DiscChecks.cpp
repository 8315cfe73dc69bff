#include "author/DiscChecks.h"

#include "author/DiscProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

namespace {

constexpr int64_t Sector = 2048;
// The system area, the descriptors, the path tables and the folders of both
// name sets, generously: a disc of a few hundred files needs less.
constexpr int64_t LayoutOverhead = 512 * Sector;

int64_t OnDisc(int64_t bytes) {
    return (bytes + Sector - 1) / Sector * Sector;
}

QString Megabytes(int64_t bytes) {
    return QString::number(static_cast<double>(bytes) / 1e6, 'f', 1);
}

QString EntryName(const TDiscProject& project, int index) {
    return QCoreApplication::translate("DiscChecks", "entry %1 \"%2\"")
        .arg(QString::number(index), EntryTitle(project.Record(index)));
}

// Joliet names carry any character but these, in at most 64 of them.
bool JolietCarries(QChar c) {
    return c.unicode() >= 0x20 && !QStringLiteral("*/:;?\\").contains(c);
}

// An ISO 9660 name of the first level: 8 characters of A-Z, 0-9 and _.
bool Iso9660Carries(const QString& base) {
    if (base.isEmpty() || base.size() > 8)
        return false;
    return std::all_of(base.begin(), base.end(), [](QChar c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

class TProjectChecker {
public:
    TProjectChecker(const TDiscProject& project, TCheckReport& report)
        : Project(project), Report(report) {}

    void Add(TSeverity severity, int record, const QString& text) {
        Report.Findings.push_back({severity, text, record});
    }

    void CheckNames() {
        QHash<QString, int> firstOfName; // upper-case name -> first record
        for (int i = 0; i < Project.Count(); ++i) {
            const QString name = MediaNameOf(Project.Record(i));
            const QString key = name.toUpper();
            if (firstOfName.contains(key)) {
                const int first = firstOfName[key];
                const QString other = MediaNameOf(Project.Record(first));
                if (other != name && Project.MediaFile(other) != Project.MediaFile(name))
                    Add(TSeverity::Error, i,
                        QCoreApplication::translate(
                            "DiscChecks",
                            "%1: media name %2 and %3 of %4 differ only in case; the player "
                            "finds one file for both")
                            .arg(EntryName(Project, i), name, other, EntryName(Project, first)));
                continue;
            }
            firstOfName.insert(key, i);
            CheckName(i, name);
            CheckTwins(i, QStringLiteral("Video"), name + QStringLiteral(".AVI"));
            CheckTwins(i, QStringLiteral("Pic"), name + QStringLiteral(".jpg"));
        }
    }

    void CheckOverlaps(const TDurationProbe& duration) {
        QHash<QString, std::vector<int>> byFile;
        for (int i = 0; i < Project.Count(); ++i)
            byFile[MediaNameOf(Project.Record(i)).toUpper()].push_back(i);
        for (auto file = byFile.cbegin(); file != byFile.cend(); ++file) {
            const std::vector<int>& entries = file.value();
            if (entries.size() < 2)
                continue;
            const QString path = Project.MediaFile(MediaNameOf(Project.Record(entries[0])));
            const std::optional<double> length = path.isEmpty() ? std::nullopt : duration(path);
            const auto endOf = [&](const CatalogRecord& r) {
                if (r.EndPos != 0.0)
                    return r.EndPos;
                return length.value_or(std::numeric_limits<double>::infinity());
            };
            for (size_t a = 0; a < entries.size(); ++a)
                for (size_t b = a + 1; b < entries.size(); ++b) {
                    const CatalogRecord& first = Project.Record(entries[a]);
                    const CatalogRecord& second = Project.Record(entries[b]);
                    // Copies: the record's doubles are not aligned.
                    const double firstStart = first.StartPos;
                    const double secondStart = second.StartPos;
                    const double from = std::max(firstStart, secondStart);
                    const double to = std::min(endOf(first), endOf(second));
                    if (from < to)
                        Add(TSeverity::Warning, entries[b],
                            QCoreApplication::translate(
                                "DiscChecks", "%1 and %2 overlap in %3, from %4 s to %5 s")
                                .arg(EntryName(Project, entries[a]), EntryName(Project, entries[b]),
                                     MediaNameOf(first) + QStringLiteral(".AVI"),
                                     QString::number(from), QString::number(to)));
                }
        }
    }

    void CheckSize() {
        int64_t bytes = LayoutOverhead;
        for (const TDiscFile& file : Project.DiscFiles(true))
            bytes +=
                OnDisc(file.Source.isEmpty() ? file.Bytes.size() : QFileInfo(file.Source).size());
        Report.DiscBytes = bytes;
        if (bytes > Cd700Bytes) {
            Add(TSeverity::Error, -1,
                QCoreApplication::translate(
                    "DiscChecks", "The disc needs %1 MB: more than a 700 MB CD holds (%2 MB)")
                    .arg(Megabytes(bytes), Megabytes(Cd700Bytes)));
            Report.Volumes = ProposeVolumes(Project, Cd700Bytes);
            QStringList parts;
            for (const TVolumeProposal& volume : Report.Volumes)
                parts << QCoreApplication::translate("DiscChecks",
                                                     "volume %1: entries %2 to %3, %4 MB")
                             .arg(QString::number(volume.Volume),
                                  QString::number(volume.Records.front()),
                                  QString::number(volume.Records.back()), Megabytes(volume.Bytes));
            for (const TVolumeProposal& volume : Report.Volumes)
                if (volume.Bytes > Cd700Bytes)
                    Add(TSeverity::Error, volume.Records.front(),
                        QCoreApplication::translate(
                            "DiscChecks", "%1 alone needs %2 MB: its clip is larger than a CD")
                            .arg(EntryName(Project, volume.Records.front()),
                                 Megabytes(volume.Bytes)));
            if (!Report.Volumes.empty())
                Add(TSeverity::Warning, -1,
                    QCoreApplication::translate(
                        "DiscChecks",
                        "%1 discs would hold it, each with its Volume number and the IniFileName "
                        "\"%2\": %3")
                        .arg(QString::number(Report.Volumes.size()), Project.IniFileName(),
                             parts.join(QStringLiteral("; "))));
        } else if (bytes > Cd650Bytes) {
            Add(TSeverity::Warning, -1,
                QCoreApplication::translate(
                    "DiscChecks",
                    "The disc needs %1 MB: it fits a 700 MB CD, not a 650 MB one (%2 MB)")
                    .arg(Megabytes(bytes), Megabytes(Cd650Bytes)));
        }
    }

private:
    void CheckName(int record, const QString& name) {
        for (const QChar c : name)
            if (!JolietCarries(c)) {
                Add(TSeverity::Error, record,
                    QCoreApplication::translate(
                        "DiscChecks",
                        "%1: media name %2 holds %3, which no disc name carries; the player "
                        "would not find its files")
                        .arg(EntryName(Project, record), name,
                             QStringLiteral("U+%1")
                                 .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                 .toUpper()));
                return;
            }
        if (name.size() + 4 > 64) {
            Add(TSeverity::Error, record,
                QCoreApplication::translate(
                    "DiscChecks",
                    "%1: media name %2 makes a file name of more than 64 characters, more than "
                    "a Joliet name holds")
                    .arg(EntryName(Project, record), name));
            return;
        }
        if (!Iso9660Carries(name.toUpper()))
            Add(TSeverity::Warning, record,
                QCoreApplication::translate(
                    "DiscChecks",
                    "%1: media name %2 is no 8.3 name; only a drive that reads Joliet names "
                    "finds its files")
                    .arg(EntryName(Project, record), name));
    }

    // Two files of one name in different case: the folder keeps both, the
    // player finds one of them and an image keeps one.
    void CheckTwins(int record, const QString& folderName, const QString& fileName) {
        const QString found = Project.FindFile(folderName + QLatin1Char('\\') + fileName);
        if (found.isEmpty())
            return;
        const QDir folder = QFileInfo(found).absoluteDir();
        QStringList twins;
        for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
                twins << entry;
        std::sort(twins.begin(), twins.end());
        if (twins.size() > 1)
            Add(TSeverity::Error, record,
                QCoreApplication::translate(
                    "DiscChecks",
                    "%1: %2 holds %3, one name in different case; the player finds only %4")
                    .arg(EntryName(Project, record), folder.path(),
                         twins.join(QStringLiteral(", ")), QFileInfo(found).fileName()));
    }

    const TDiscProject& Project;
    TCheckReport& Report;
};

} // namespace

int TCheckReport::Errors() const {
    return static_cast<int>(std::count_if(Findings.begin(), Findings.end(), [](const auto& f) {
        return f.Severity == TSeverity::Error;
    }));
}

int TCheckReport::Warnings() const {
    return static_cast<int>(Findings.size()) - Errors();
}

TCheckReport CheckProject(const TDiscProject& project, const TDurationProbe& duration) {
    TCheckReport report;
    const TDiscFileLookup lookup = [&project](const QString& name) {
        return project.FindFile(name);
    };
    for (const TDiscFinding& finding : CheckRecords(project.Records(), lookup, duration))
        report.Findings.push_back(
            {finding.Error ? TSeverity::Error : TSeverity::Warning, finding.Text, finding.Record});
    TProjectChecker checker(project, report);
    checker.CheckNames();
    checker.CheckOverlaps(duration);
    checker.CheckSize();
    return report;
}

// In catalog order, a new disc whenever the next entry's files would not fit
// on the current one; a file that several entries share is on each disc that
// has one of them.
std::vector<TVolumeProposal> ProposeVolumes(const TDiscProject& project, int64_t capacity) {
    std::vector<TVolumeProposal> volumes;
    QSet<QString> onDisc;
    const int64_t fixed = LayoutOverhead + 4 * Sector; // setup.inf, marker, catalog
    for (int i = 0; i < project.Count(); ++i) {
        const QString name = MediaNameOf(project.Record(i));
        int64_t cost = 0;
        if (!onDisc.contains(name.toUpper()))
            for (const QString& file : {project.MediaFile(name), project.PictureFile(name)})
                if (!file.isEmpty())
                    cost += OnDisc(QFileInfo(file).size());
        if (volumes.empty() ||
            (volumes.back().Bytes + cost > capacity && !volumes.back().Records.empty())) {
            volumes.push_back({static_cast<int>(volumes.size()) + 1, {}, fixed});
            onDisc.clear();
            cost = 0;
            for (const QString& file : {project.MediaFile(name), project.PictureFile(name)})
                if (!file.isEmpty())
                    cost += OnDisc(QFileInfo(file).size());
        }
        volumes.back().Records.push_back(i);
        volumes.back().Bytes += cost;
        onDisc.insert(name.toUpper());
    }
    return volumes;
}
