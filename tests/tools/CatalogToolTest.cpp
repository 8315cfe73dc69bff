// The catalog tool: catalog to text and back byte for byte, refusals of text
// that does not fit, and the check of a disc folder.
#include "support/FileBytes.h"
#include "support/SampleDisc.h"

#include "catalog/CatalogRecord.h"
#include "tools/CatalogTool.h"
#include "tools/CatalogTsv.h"
#include "author/DiscCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {

CatalogRecord Record(uint8_t key, const char* group, const char* title, const char* media,
                     double start, double end) {
    CatalogRecord r;
    std::memset(&r, 0, sizeof r);
    r.GroupKey = key;
    SetShortString(r.GroupName, QStringToAnsi(QString::fromUtf8(group)).toStdString());
    SetShortString(r.Title, QStringToAnsi(QString::fromUtf8(title)).toStdString());
    SetShortString(r.MediaName, media);
    r.StartPos = start;
    r.EndPos = end;
    return r;
}

struct ToolRun {
    int Status;
    std::string Out;
    std::string Err;
};

ToolRun RunTool(const QStringList& arguments) {
    std::ostringstream out, err;
    const int status = RunCatalogTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

// Takes the text in and fails to pass it on, as /dev/full does when the
// buffered output is flushed.
class FullDevice : public std::stringbuf {
protected:
    int sync() override { return -1; }
};

class CatalogToolTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return Dir.filePath(name); }
    // dump, then build from the dump; the rebuilt file's bytes.
    QByteArray RoundTrip(const QString& catalog) {
        const ToolRun dump = RunTool({"dump", catalog});
        EXPECT_EQ(dump.Status, 0) << dump.Err;
        WriteAll(Path("dumped.tsv"), QByteArray::fromStdString(dump.Out));
        const ToolRun build = RunTool({"build", Path("dumped.tsv"), Path("rebuilt.dat")});
        EXPECT_EQ(build.Status, 0) << build.Err;
        return ReadAll(Path("rebuilt.dat"));
    }
    // Builds a catalog from a header and the given lines; the tool's run.
    ToolRun BuildFrom(const QByteArray& lines) {
        WriteAll(Path("in.tsv"), QByteArray(CatalogTsvHeader) + "\n" + lines);
        return RunTool({"build", Path("in.tsv"), Path("out.dat")});
    }

    QTemporaryDir Dir;
};

TEST_F(CatalogToolTest, SampleCatalogDumpsAsReadableTextAndRebuildsByteForByte) {
    const QString catalog = SampleDisc().Folder + "/Data/All.dat";
    const QByteArray original = ReadAll(catalog);
    ASSERT_FALSE(original.isEmpty());
    EXPECT_EQ(RoundTrip(catalog), original);

    const QString text = QString::fromUtf8(ReadAll(Path("dumped.tsv")));
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + original.size() / 1300);
    EXPECT_EQ(lines[0], QLatin1String(CatalogTsvHeader));
    EXPECT_TRUE(lines[1].startsWith("0\t1\tПрирода\tВодопад, часть 1\tClip01\t0\t20\t"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[9].startsWith("8\t3\tМузыка / Music\tMixed текст ¤ 42\tclip07\t0.5\t3.5\t"))
        << lines[9].toStdString();
}

TEST_F(CatalogToolTest, EveryByteOfEveryFieldSurvivesTheText) {
    std::vector<CatalogRecord> records(3);
    for (size_t i = 0; i < records.size(); ++i) {
        auto* bytes = reinterpret_cast<uint8_t*>(&records[i]);
        for (size_t b = 0; b < sizeof(CatalogRecord); ++b)
            bytes[b] = static_cast<uint8_t>(b * 7 + i * 13 + 1);
    }
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    SetShortString(records[0].Title, everyByte); // controls, backslash, 0x98 and all
    SetShortString(records[1].GroupName, "tab\there\\ and\r\nnew line");
    SetShortString(records[1].MediaName, "");
    records[1].StartPos = std::bit_cast<double>(uint64_t{0x7FF8000000000123}); // a NaN's bits
    records[1].EndPos = -0.0;
    records[2].StartPos = 0.1 + 0.2;
    records[2].EndPos = 1e300;
    WriteAll(Path("odd.dat"), Bytes(records) + QByteArray(700, 'x'));

    const QByteArray rebuilt = RoundTrip(Path("odd.dat"));
    EXPECT_EQ(rebuilt, Bytes(records)) << "all but the trailing part record";
    const ToolRun dump = RunTool({"dump", Path("odd.dat")});
    EXPECT_NE(dump.Err.find("700 bytes"), std::string::npos) << dump.Err;
    EXPECT_EQ(QString::fromUtf8(dump.Out).count('\n'), 4) << "one line per record and the header";
}

TEST_F(CatalogToolTest, HandWrittenTextBecomesWindows1251RecordsNumberedByLine) {
    const ToolRun run = BuildFrom("\t7\tПрирода\tГоры\tclip03\t1\t5\n"
                                  "\t7\tПрирода\tMixed ¤\\t1\tclip07\t0.5\t3.5\t770:ABCD\n");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto records = ReadCatalogFile(Path("out.dat"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].GroupKey, 7);
    EXPECT_EQ(ShortString(records[0].Title), QStringToAnsi("Горы").toStdString());
    EXPECT_EQ(ShortString(records[1].Title), "Mixed \xA4\t1");
    EXPECT_EQ(records[1].StartPos, 0.5);
    EXPECT_EQ(records[0].EntryIndex, 0);
    EXPECT_EQ(records[1].EntryIndex, 1);
    EXPECT_EQ(records[1].Reserved[0], 0xAB);
    EXPECT_EQ(records[1].Reserved[1], 0xCD);
    EXPECT_EQ(records[1].Reserved[2], 0);
}

TEST_F(CatalogToolTest, TextThatDoesNotFitIsRefusedWithItsLineAndNothingIsWritten) {
    const QByteArray good = "\t1\tG\tTitle\tclip\t0\t0\n";
    const QByteArray cases[][2] = {
        {"\t1\tG\t" + QByteArray(256, 'a') + "\tclip\t0\t0\n", "title is 256 bytes"},
        {"\t1\tG\tЁлка " + QByteArray(251, 'a') + "\tclip\t0\t0\n", "title is 256 bytes"},
        {"\t1\tG\tTitle\tclip\u65E5\t0\t0\n", "media name: the character U+65E5"},
        {"\t1\tG\tTitle\tclip\t0\t0\t1290:FF\n", "byte 1290 belongs to another column"},
        {"\t1\tG\tTit\\q\tclip\t0\t0\n", "title: a backslash"},
        {"\t256\tG\tTitle\tclip\t0\t0\n", "group key must be 0 to 255"},
        {"\t1\tG\tTitle\tclip\t1,5\t0\n", "start is not a number"},
        {"\t1\tG\tTitle\tclip\t0\n", "expected 8 columns"},
        {"\t1\tG\tTi\xFF\tclip\t0\t0\n", "not UTF-8"},
        {"x\t1\tG\tTitle\tclip\t0\t0\n", "index is not a number: \"x\""},
        {"-1\t1\tG\tTitle\tclip\t0\t0\n", "index is not a number"},
    };
    for (const auto& [line, reason] : cases) {
        WriteAll(Path("out.dat"), "old");
        const ToolRun run = BuildFrom(good + line);
        EXPECT_EQ(run.Status, 1) << line.constData();
        EXPECT_NE(run.Err.find("line 3: "), std::string::npos) << run.Err;
        EXPECT_NE(run.Err.find(reason.constData()), std::string::npos) << run.Err;
        EXPECT_EQ(ReadAll(Path("out.dat")), "old");
    }
    WriteAll(Path("in.tsv"), "index\tgroup\n");
    const ToolRun noHeader = RunTool({"build", Path("in.tsv"), Path("out.dat")});
    EXPECT_EQ(noHeader.Status, 1);
    EXPECT_NE(noHeader.Err.find("line 1: the first line must be the header"), std::string::npos);
    EXPECT_EQ(RunTool({"build", Path("in.tsv")}).Status, 2) << "usage";
    const ToolRun empty = BuildFrom("");
    EXPECT_EQ(empty.Status, 1);
    EXPECT_NE(empty.Err.find("line 2: no record follows the header"), std::string::npos)
        << empty.Err;
    QByteArray tooMany;
    for (int i = 0; i <= 65536; ++i)
        tooMany += "\t1\tG\tTitle\tclip\t0\t0\n";
    const ToolRun large = BuildFrom(tooMany);
    EXPECT_EQ(large.Status, 1);
    EXPECT_NE(large.Err.find("line 65538: more than 65536 records"), std::string::npos)
        << large.Err;
    EXPECT_EQ(ReadAll(Path("out.dat")), "old");
    EXPECT_NE(RunTool({"dump", Path("none.dat")}).Err.find("none.dat: File not found"),
              std::string::npos);
}

TEST_F(CatalogToolTest, OutputThatCannotBeWrittenFails) {
    const QString catalog = SampleDisc().Folder + "/Data/All.dat";
    for (const QStringList& command :
         {QStringList{"dump", catalog}, QStringList{"check", SampleDisc().Folder}}) {
        FullDevice device;
        std::ostream out(&device);
        std::ostringstream err;
        EXPECT_EQ(RunCatalogTool(command, out, err), 1) << command.join(' ').toStdString();
        EXPECT_EQ(err.str(), "quorvix-catalog: the output could not be written\n");
    }
}

// The set-up tool's help, however asked for, only helps.
TEST_F(CatalogToolTest, DiscSetupHelpWritesNoSettings) {
    for (const char* option : {"--help", "--help-all"}) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", Path("config"));
        environment.insert("XDG_DATA_HOME", Path("data"));
        tool.setProcessEnvironment(environment);
        tool.start(QV_DISC_SETUP, {option, SampleDisc().Folder});
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 0) << option;
        EXPECT_TRUE(tool.readAllStandardOutput().contains("--workdir")) << option;
        EXPECT_FALSE(QFileInfo::exists(Path("config"))) << option << " set the disc up";
        EXPECT_FALSE(QFileInfo::exists(Path("data"))) << option;
    }
}

class DiscCheckTest : public CatalogToolTest {
protected:
    void MakeDisc(const std::vector<CatalogRecord>& records, const QStringList& files) {
        WriteAll(Path("disc/DATA/all.dat"), Bytes(records));
        for (const QString& file : files)
            WriteAll(Path("disc/" + file), "media");
    }
    std::vector<std::string> Check() {
        std::vector<std::string> texts;
        const auto probe = [this](const QString& path) -> std::optional<double> {
            Probed << QFileInfo(path).fileName();
            return path.endsWith("broken.avi") ? std::nullopt : std::optional<double>(60.0);
        };
        for (const TDiscFinding& f : CheckDisc(Path("disc"), probe))
            texts.push_back(((f.Error ? "error: " : "warning: ") + f.Text).toStdString());
        return texts;
    }
    QStringList Probed;
};

TEST_F(DiscCheckTest, FindsWhatCannotPlayMissingPicturesAndSplitGroups) {
    MakeDisc({Record(1, "Природа", "Fine", "clip01", 0, 20),
              Record(1, "Природа", "Whole file", "Clip01", 20, 0),
              Record(2, "Town", "No video", "gone", 0, 0),
              Record(2, "Town", "Backwards", "clip01", 30, 30),
              Record(1, "Природа", "Too long", "clip01", 50, 61),
              Record(3, "Other", "Late start", "clip01", 60, 0),
              Record(3, "Other", "Unreadable", "broken", 0, 0)},
             {"video/CLIP01.avi", "video/broken.avi", "pic/clip01.JPG"});
    const std::string clip = Path("disc/video/CLIP01.avi").toStdString();
    const std::vector<std::string> expected{
        "warning: entry 2 \"No video\": no picture Pic/gone.jpg; the default picture shows",
        "error: entry 2 \"No video\": no video Video/gone.AVI",
        "error: entry 3 \"Backwards\": starts at 30 s, not before its end at 30 s",
        "error: entry 4 \"Too long\": ends at 61 s, beyond the 60 s of " + clip,
        "error: entry 5 \"Late start\": starts at 60 s, beyond the 60 s of " + clip,
        "warning: entry 6 \"Unreadable\": no picture Pic/broken.jpg; the default picture shows",
        "error: entry 6 \"Unreadable\": " + Path("disc/video/broken.avi").toStdString() +
            " cannot be read as media",
        "warning: group 1 \"Природа\" comes back at entry 4 after other groups (its first run "
        "starts "
        "at entry 0); the tree shows it twice",
    };
    EXPECT_EQ(Check(), expected);
    EXPECT_EQ(Probed.join(' ').toStdString(), "CLIP01.avi broken.avi") << "each file read once";
}

TEST_F(DiscCheckTest, ACleanDiscPassesWhileUnreadableMediaAndNoCatalogFail) {
    const std::vector<CatalogRecord> records{Record(1, "G", "A", "a", 0, 3),
                                             Record(1, "G", "B", "a", 3, 0)};
    MakeDisc(records, {"Pic/a.jpg"});
    QDir().mkpath(Path("disc/Video"));
    ASSERT_TRUE(QFile::copy(SampleDisc().Folder + "/Video/CLIP03.AVI", Path("disc/Video/a.AVI")));
    const ToolRun clean = RunTool({"check", Path("disc")});
    EXPECT_EQ(clean.Out, "0 errors, 0 warnings\n");
    EXPECT_EQ(clean.Status, 0);

    MakeDisc(records, {"Video/a.AVI"}); // five bytes that are no media
    const ToolRun broken = RunTool({"check", Path("disc")});
    EXPECT_EQ(broken.Out, "error: entry 0 \"A\": " + Path("disc/Video/a.AVI").toStdString() +
                              " cannot be read as media\nerror: entry 1 \"B\": " +
                              Path("disc/Video/a.AVI").toStdString() +
                              " cannot be read as media\n2 errors, 0 warnings\n");
    EXPECT_EQ(broken.Status, 1);

    const ToolRun none = RunTool({"check", Path("nowhere")});
    EXPECT_EQ(none.Status, 1);
    EXPECT_NE(none.Err.find("no Data/All.dat"), std::string::npos);
}

TEST_F(DiscCheckTest, SampleDiscReadsRealDurationsAndReportsItsDeliberateGaps) {
    const ToolRun run = RunTool({"check", SampleDisc().Folder});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Out.find("error: entry 5 \"Потерянный клип\": no video Video/Clip06.AVI"),
              std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("warning: entry 7 \"Без картинки\": no picture Pic/Clip05.jpg"),
              std::string::npos);
    EXPECT_NE(run.Out.find("1 error, 2 warnings\n"), std::string::npos) << run.Out;
}

} // namespace
