// The project's checks on crafted disc folders: each finding, where it
// points, and a clean disc with none.
#include "AuthorTestSupport.h"

#include "author/DiscChecks.h"
#include "author/DiscProject.h"
#include "catalog/CatalogRecord.h"

#include <cstring>

namespace {

CatalogRecord Record(uint8_t key, const char* title, const char* media, double start, double end) {
    CatalogRecord r;
    std::memset(&r, 0, sizeof r);
    r.GroupKey = key;
    SetShortString(r.GroupName, QStringLiteral("Group %1").arg(key).toStdString());
    SetShortString(r.Title, title);
    SetShortString(r.MediaName, media);
    r.StartPos = start;
    r.EndPos = end;
    return r;
}

class DiscChecksTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return Dir.filePath(name); }
    // A disc folder of these records, a video and a picture for each media
    // name unless listed files say otherwise.
    void MakeDisc(const std::vector<CatalogRecord>& records, const QStringList& files = {}) {
        WriteAll(Path("disc/Data/All.dat"), Bytes(records));
        if (files.isEmpty())
            for (const CatalogRecord& record : records) {
                WriteAll(Path("disc/Video/" + MediaNameOf(record) + ".AVI"), "media");
                WriteAll(Path("disc/Pic/" + MediaNameOf(record) + ".jpg"), "picture");
            }
        for (const QString& file : files)
            WriteAll(Path("disc/" + file), "media");
        Project.Open(Path("disc"));
    }
    // Every finding as "E 3 text" or "W -1 text".
    QStringList Findings() {
        Report = CheckProject(Project, [](const QString&) { return std::optional<double>(60.0); });
        QStringList lines;
        for (const TCheckFinding& f : Report.Findings)
            lines << QStringLiteral("%1 %2 %3")
                         .arg(f.Severity == TSeverity::Error ? "E" : "W")
                         .arg(f.Record)
                         .arg(f.Text);
        return lines;
    }
    static bool Has(const QStringList& lines, const QString& start, const char* part) {
        for (const QString& line : lines)
            if (line.startsWith(start) && line.contains(QString::fromUtf8(part)))
                return true;
        return false;
    }

    QTemporaryDir Dir;
    TDiscProject Project;
    TCheckReport Report;
};

TEST_F(DiscChecksTest, ACleanDiscHasNoFinding) {
    MakeDisc({Record(1, "One", "CLIP01", 0, 20), Record(1, "Two", "CLIP01", 20, 0),
              Record(2, "Three", "CLIP_2", 5, 10)});
    EXPECT_EQ(Findings(), QStringList());
    EXPECT_EQ(Report.Errors(), 0);
    EXPECT_GT(Report.DiscBytes, 0);
    EXPECT_LT(Report.DiscBytes, 2 * 1024 * 1024);
    EXPECT_TRUE(Report.Volumes.empty());
}

// A title is text, not part of the message's pattern.
TEST_F(DiscChecksTest, ATitleWithPlaceholdersIsShownAsItIs) {
    MakeDisc({Record(1, "A %1 B %2", "CLIP01", 30, 30)});
    EXPECT_EQ(
        Findings(),
        QStringList({"E 0 entry 0 \"A %1 B %2\": starts at 30 s, not before its end at 30 s"}));
}

TEST_F(DiscChecksTest, NamesThePlayerWouldNotFindOrWouldFindTwice) {
    MakeDisc({Record(1, "Colon", "a:b", 0, 0), Record(1, "Long", "LongerThanEight", 0, 0),
              Record(1, "Joliet", QByteArray(61, 'N').constData(), 0, 0),
              Record(1, "Mixed", "Clip02", 0, 0), Record(1, "Upper", "CLIP02", 0, 0),
              Record(1, "Missing", "GONE", 0, 0)},
             {"Video/a:b.AVI", "Pic/a:b.jpg", "Video/LongerThanEight.AVI",
              "Pic/LongerThanEight.jpg", "Video/" + QString(61, 'N') + ".AVI",
              "Pic/" + QString(61, 'N') + ".jpg", "Video/Clip02.AVI", "Video/CLIP02.AVI",
              "Pic/clip02.jpg"});
    const QStringList lines = Findings();
    EXPECT_TRUE(Has(lines, "E 0 ", "holds U+003A, which no disc name carries"))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(Has(lines, "W 1 ", "LongerThanEight is no 8.3 name"));
    EXPECT_TRUE(Has(lines, "E 2 ", "more than 64 characters"));
    EXPECT_TRUE(Has(lines, "E 3 ", "holds CLIP02.AVI, Clip02.AVI, one name in different case"));
    EXPECT_TRUE(Has(lines, "E 4 ",
                    "media name CLIP02 and Clip02 of entry 3 \"Mixed\" differ only in case"));
    EXPECT_TRUE(Has(lines, "E 5 ", "no video Video/GONE.AVI")) << "the disc check's own findings";
    EXPECT_TRUE(Has(lines, "W 5 ", "no picture Pic/GONE.jpg"));
    EXPECT_FALSE(Has(lines, "W 3 ", "no 8.3 name"));
    EXPECT_EQ(Report.Errors(), 5) << lines.join('\n').toStdString();
}

TEST_F(DiscChecksTest, SplitGroupsAndOverlapsInOneFileAreWarnings) {
    MakeDisc({Record(1, "A", "ONE", 0, 20), Record(2, "B", "ONE", 20, 0),
              Record(1, "C", "ONE", 10, 30), Record(3, "D", "TWO", 0, 0),
              Record(3, "E", "TWO", 59, 0), Record(3, "F", "TWO", 0, 5)});
    const QStringList lines = Findings();
    EXPECT_TRUE(Has(lines, "W 2 ", "group 1 \"Group 1\" comes back at entry 2"));
    EXPECT_TRUE(Has(lines, "W 2 ",
                    "entry 0 \"A\" and entry 2 \"C\" overlap in ONE.AVI, from 10 s to 20 s"));
    EXPECT_TRUE(Has(lines, "W 2 ",
                    "entry 1 \"B\" and entry 2 \"C\" overlap in ONE.AVI, from 20 s to 30 s"));
    // An end of 0 runs to the file's end (60 s here).
    EXPECT_TRUE(Has(lines, "W 4 ",
                    "entry 3 \"D\" and entry 4 \"E\" overlap in TWO.AVI, from 59 s to 60 s"));
    EXPECT_TRUE(Has(lines, "W 5 ", "entry 3 \"D\" and entry 5 \"F\" overlap"));
    EXPECT_FALSE(Has(lines, "W", "entry 0 \"A\" and entry 1 \"B\"")) << "touching is no overlap";
    EXPECT_FALSE(Has(lines, "W", "entry 4 \"E\" and entry 5 \"F\""));
    EXPECT_EQ(Report.Errors(), 0) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.size(), 5) << lines.join('\n').toStdString();
}

TEST_F(DiscChecksTest, TheSizeAgainstBothCdsAndAProposedSetOfVolumes) {
    std::vector<CatalogRecord> records{Record(1, "A", "A", 0, 0), Record(1, "B", "B", 0, 0)};
    WriteAll(Path("disc/Data/All.dat"), Bytes(records));
    MakeSparse(Path("disc/Video/A.AVI"), 345'000'000);
    MakeSparse(Path("disc/Video/B.AVI"), 345'000'000);
    Project.Open(Path("disc"));
    QStringList lines = Findings();
    EXPECT_TRUE(Has(lines, "W -1 ", "it fits a 700 MB CD, not a 650 MB one"))
        << lines.join('\n').toStdString();
    EXPECT_GT(Report.DiscBytes, 690'000'000);
    EXPECT_TRUE(Report.Volumes.empty());

    records = {Record(1, "A", "A", 0, 20), Record(1, "A2", "A", 20, 0), Record(2, "B", "B", 0, 0),
               Record(3, "C", "C", 0, 0)};
    WriteAll(Path("disc/Data/All.dat"), Bytes(records));
    MakeSparse(Path("disc/Video/A.AVI"), 400'000'000);
    MakeSparse(Path("disc/Video/B.AVI"), 400'000'000);
    MakeSparse(Path("disc/Video/C.AVI"), 800'000'000);
    Project.Open(Path("disc"));
    lines = Findings();
    EXPECT_TRUE(Has(lines, "E -1 ", "more than a 700 MB CD holds"))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(Has(lines, "W -1 ",
                    "3 discs would hold it, each with its Volume number and the "
                    "IniFileName \"Quorvix\": volume 1: entries 0 to 1"))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(Has(lines, "E 3 ", "entry 3 \"C\" alone needs 801.1 MB"));
    ASSERT_EQ(Report.Volumes.size(), 3u);
    EXPECT_EQ(Report.Volumes[0].Records, (std::vector<int>{0, 1})) << "a shared file counts once";
    EXPECT_EQ(Report.Volumes[1].Records, (std::vector<int>{2}));
    EXPECT_EQ(Report.Volumes[2].Records, (std::vector<int>{3}));
    EXPECT_EQ(Report.Volumes[1].Volume, 2);
    for (const TVolumeProposal& volume : Report.Volumes)
        EXPECT_GT(volume.Bytes, 400'000'000);
}

} // namespace
