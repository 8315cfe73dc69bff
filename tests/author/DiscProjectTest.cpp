// The disc project: a new disc from a folder of clips, opening discs and
// images, edits that keep every byte they do not change, and refusals.
#include "AuthorTestSupport.h"

#include "author/DiscProject.h"
#include "catalog/CatalogRecord.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "shell/Pathes.h"

#include <QSignalSpy>

#include <cmath>
#include <cstddef>
#include <limits>

namespace {

class DiscProjectTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return Dir.filePath(name); }
    // Throws the refusal's text, or fails when the call went through.
    template <typename Call> std::string Refusal(Call call) {
        const std::vector<CatalogRecord> before = Project.Records();
        QSignalSpy changed(&Project, &TDiscProject::Changed);
        try {
            call();
        } catch (const Exception& refused) {
            EXPECT_EQ(Bytes(Project.Records()), Bytes(before)) << "a refused edit changed records";
            EXPECT_EQ(changed.count(), 0);
            return refused.what();
        }
        ADD_FAILURE() << "not refused";
        return {};
    }

    PrivateRuntime Runtime; // first made, last gone: the mounts go before it
    QTemporaryDir Dir;
    TDiscProject Project;
};

TEST_F(DiscProjectTest, ANewDiscHasAnEntryPerClipInAGroupPerFolderAndSavesThePlayersLayout) {
    MakeClip(Path("clips/opening.avi"));
    MakeClip(Path("clips/Природа/Водопад.avi"));
    WriteAll(Path("clips/Природа/Водопад.jpg"), "JPEG picture");
    MakeClip(Path("clips/City/street at night.AVI"));
    MakeClip(Path("clips/City/東京.avi"));
    WriteAll(Path("clips/City/notes.txt"), "not a clip");

    QSignalSpy changed(&Project, &TDiscProject::Changed);
    Project.NewFromFolder(Path("clips"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(Project.IsModified());
    EXPECT_TRUE(Project.Location().isEmpty());
    ASSERT_EQ(Project.Count(), 4);
    const auto groups = Project.Groups();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].Name, "clips");
    EXPECT_EQ(groups[1].Name, "City");
    EXPECT_EQ(groups[2].Name, "Природа");
    EXPECT_EQ(groups[1].Count, 2);
    const QStringList titles{EntryTitle(Project.Record(0)), EntryTitle(Project.Record(1)),
                             EntryTitle(Project.Record(2)), EntryTitle(Project.Record(3))};
    // A title the catalog cannot hold falls back to the clip's disc name.
    EXPECT_EQ(titles, QStringList({"opening", "street at night", "CLIP", "Водопад"}));
    EXPECT_EQ(Project.MediaNames(), QStringList({"OPENING", "STREET_A", "CLIP", "CLIP01"}));
    for (const CatalogRecord& record : Project.Records()) {
        EXPECT_EQ(double{record.StartPos}, 0.0); // copies: the record packs its doubles
        EXPECT_EQ(double{record.EndPos}, 0.0) << "the whole file";
    }
    EXPECT_EQ(Project.Record(3).GroupKey, groups[2].Key);
    EXPECT_NE(groups[0].Key, groups[1].Key);

    EXPECT_NE(Refusal([&] { Project.Save(); }).find("no folder yet"), std::string::npos);
    Project.SaveAs(Path("disc"));
    EXPECT_FALSE(Project.IsModified());
    EXPECT_EQ(Project.Location(), Path("disc"));
    EXPECT_EQ(ReadAll(Path("disc/Data/All.dat")), Bytes(Project.Records()));
    EXPECT_EQ(ReadAll(Path("disc/setup.inf")), "[Main]\r\nVolume=1\r\nIniFileName=clips\r\n");
    EXPECT_TRUE(QFileInfo(Path("disc/QUORVIX_PLAYER.EXE")).isFile());
    EXPECT_EQ(ReadAll(Path("disc/Video/STREET_A.AVI")),
              ReadAll(Path("clips/City/street at night.AVI")));
    EXPECT_EQ(ReadAll(Path("disc/Pic/CLIP01.jpg")), "JPEG picture");
    EXPECT_TRUE(
        QDir(Path("disc/Video")).entryList(QDir::Hidden | QDir::Files).filter(".part").isEmpty());
    for (const CatalogRecord& record : Project.Records())
        EXPECT_FALSE(LocateFileOn(Path("disc"), EntryVideoFile(record)).isEmpty())
            << EntryVideoFile(record).toStdString();

    TDiscProject reopened;
    reopened.Open(Path("disc"));
    EXPECT_EQ(Bytes(reopened.Records()), Bytes(Project.Records()));
    EXPECT_EQ(reopened.IniFileName(), "clips");
    EXPECT_EQ(reopened.Volume(), 1);
    EXPECT_FALSE(reopened.IsReadOnly());
    EXPECT_FALSE(reopened.IsModified());

    EXPECT_NE(Refusal([&] { Project.NewFromFolder(Path("disc/Data")); }).find("no video clips"),
              std::string::npos);
    EXPECT_EQ(Project.Count(), 4) << "a refused new disc keeps the old one";
}

TEST_F(DiscProjectTest, EditsOfADiscMadeForWindowsKeepEveryOtherByteAndItsSpelling) {
    CopyTree(SampleDisc(1, SampleDiscKind::Real).Folder, Path("disc"));
    const QByteArray original = ReadAll(Path("disc/DATA/ALL.DAT"));
    Project.Open(Path("disc"));
    ASSERT_EQ(Project.Count(), 9);
    EXPECT_EQ(Project.IniFileName(), "Клипы");

    Project.SetTitle(2, "Ёлка");
    Project.SetMarks(3, 1.25, 4.5);
    Project.SetGroupName(4, "Город");
    EXPECT_TRUE(Project.IsModified());
    Project.Save();

    const QByteArray saved = ReadAll(Path("disc/DATA/ALL.DAT"));
    ASSERT_EQ(saved.size(), original.size());
    QByteArray expected = original;
    const auto put = [&](size_t at, const QByteArray& bytes) {
        expected.replace(at, bytes.size(), bytes);
    };
    const QByteArray title = QStringToAnsi("Ёлка");
    put(2 * 1300 + 258, char(title.size()) + title);
    double marks[2] = {1.25, 4.5};
    put(3 * 1300 + 1284, QByteArray(reinterpret_cast<const char*>(marks), 16));
    const QByteArray group = QStringToAnsi("Город");
    put(4 * 1300 + 1, char(group.size()) + group);
    EXPECT_EQ(saved, expected) << "only the edited bytes changed";

    // The Windows spelling is kept: no second catalog, settings file or clip.
    EXPECT_EQ(QDir(Path("disc")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"DATA", "PIC", "QUORVIX_PLAYER.EXE", "SETUP.INF", "VIDEO"}));
    EXPECT_EQ(QDir(Path("disc/DATA")).entryList(QDir::Files), QStringList({"ALL.DAT"}));
    const TIniFile setup(Path("disc/SETUP.INF"));
    EXPECT_EQ(setup.ReadInteger("Main", "Volume", 0), 1);
    EXPECT_EQ(setup.ReadString("Main", "IniFileName", "ERROR"), QStringToAnsi("Клипы"));
}

TEST_F(DiscProjectTest, TextsTheCatalogCannotHoldAndBackwardMarksAreRefusedWithTheReason) {
    MakeClip(Path("clips/a.avi"));
    MakeClip(Path("clips/b.avi"));
    Project.NewFromFolder(Path("clips"));

    const std::string han = Refusal([&] { Project.SetTitle(0, "Tokyo 東京"); });
    EXPECT_NE(han.find("東"), std::string::npos) << han;
    EXPECT_NE(han.find("U+6771"), std::string::npos) << han;
    EXPECT_NE(Refusal([&] { Project.SetGroupName(0, "Smile 😀"); }).find("U+1F600"),
              std::string::npos);
    EXPECT_NE(Refusal([&] {
                  Project.RenameGroup(Project.Record(0).GroupKey, "€ ok, ™ ok, ∞ not");
              }).find("∞"),
              std::string::npos);
    EXPECT_NE(Refusal([&] { Project.SetTitle(1, QString(256, 'x')); }).find("256 bytes"),
              std::string::npos);
    EXPECT_NE(Refusal([&] { Project.SetMediaName(1, "Video/b"); }).find("“/”"), std::string::npos);
    Refusal([&] { Project.SetMediaName(1, ""); });
    Refusal([&] { Project.SetIniFileName("a/b"); });
    Refusal([&] { Project.SetVolumeLabel("Disc one"); });
    Refusal([&] { Project.SetVolume(0); });
    Refusal([&] { Project.SetTitle(2, "no such entry"); });

    // At its limit, and in the code page's upper half, a text goes in.
    Project.SetTitle(0, QString(255, QChar(0x0416)));
    EXPECT_EQ(ShortString(Project.Record(0).Title), std::string(255, '\xC6'));
    Project.RenameGroup(Project.Record(0).GroupKey, "€ and ™");
    EXPECT_EQ(GroupTitle(Project.Record(1)), "€ and ™");
    Project.SetVolumeLabel("disc_2");
    EXPECT_EQ(Project.VolumeLabel(), "DISC_2");

    EXPECT_NE(Refusal([&] { Project.SetMarks(0, 5.0, 5.0); }).find("must come after"),
              std::string::npos);
    Refusal([&] { Project.SetMarks(0, 5.0, 3.0); });
    Refusal([&] { Project.SetMarks(0, -1.0, 3.0); });
    Refusal([&] { Project.SetMarks(0, std::nan(""), 3.0); });
    Refusal([&] { Project.SetMarks(0, 0.0, std::numeric_limits<double>::infinity()); });
    Project.SetMarks(0, 5.0, 0.0); // to the end of the file
    Project.SetMarks(1, 0.04, 0.08);
    EXPECT_EQ(double{Project.Record(1).StartPos}, 0.04) << "marks are kept unrounded";
}

TEST_F(DiscProjectTest, EachEditIsUndoneByAnotherCall) {
    for (const char* name : {"a", "b", "c", "d"})
        MakeClip(Path(QStringLiteral("clips/%1.avi").arg(name)));
    MakeClip(Path("clips/More/e.avi"));
    Project.NewFromFolder(Path("clips"));
    const QByteArray start = Bytes(Project.Records());
    const auto order = [&] {
        QString titles;
        for (const CatalogRecord& record : Project.Records())
            titles += EntryTitle(record);
        return titles;
    };
    QSignalSpy changed(&Project, &TDiscProject::Changed);

    Project.MoveRecords(0, 2, 2);
    EXPECT_EQ(order(), "cdabe");
    Project.MoveRecords(2, 2, 0);
    EXPECT_EQ(Bytes(Project.Records()), start);
    Project.MoveRecords(4, 1, 0);
    EXPECT_EQ(order(), "eabcd");
    Project.MoveRecords(0, 1, 4);
    EXPECT_EQ(Bytes(Project.Records()), start);

    const std::vector<CatalogRecord> removed = Project.RemoveRecords(1, 2);
    EXPECT_EQ(order(), "ade");
    Project.InsertRecords(1, removed);
    EXPECT_EQ(Bytes(Project.Records()), start);

    const CatalogRecord before = Project.Record(3);
    Project.SetTitle(3, "Changed");
    Project.ReplaceRecord(3, before);
    EXPECT_EQ(Bytes(Project.Records()), start);

    Project.RenameMedia("B", "SECOND");
    EXPECT_EQ(MediaNameOf(Project.Record(1)), "SECOND");
    EXPECT_EQ(Project.MediaFile("second"), Path("clips/b.avi"));
    EXPECT_TRUE(Project.MediaFile("B").isEmpty());
    // Bytes past the new text stay as a shorter name leaves them; a window's
    // undo that must restore them replaces the records.
    Project.RenameMedia("SECOND", "B");
    EXPECT_EQ(MediaNameOf(Project.Record(1)), "B");
    EXPECT_EQ(Project.MediaFile("B"), Path("clips/b.avi"));
    EXPECT_NE(Refusal([&] { Project.RenameMedia("B", "c"); }).find("another clip"),
              std::string::npos);

    Refusal([&] { Project.MoveRecords(3, 3, 0); });
    Refusal([&] { Project.RemoveRecords(4, 2); });
    Refusal([&] { Project.InsertRecords(6, removed); });
    EXPECT_EQ(changed.count(), 10) << "one signal per edit";

    const uint8_t key = Project.UnusedGroupKey();
    for (const TGroupRun& group : Project.Groups())
        EXPECT_NE(group.Key, key);
    Project.InsertRecords(5, {Project.ClipRecord(Path("clips/a.avi"), key, "Новая")});
    EXPECT_EQ(Project.Groups().back().Name, "Новая");
    EXPECT_NE(MediaNameOf(Project.Record(5)).toUpper(), "A")
        << "a second clip of a name gets its own";
    EXPECT_FALSE(Project.MediaFile(MediaNameOf(Project.Record(5))).isEmpty());
}

TEST_F(DiscProjectTest, AClipThatIsALinkBecomesAFileOfTheDisc) {
    MakeClip(Path("elsewhere/clip.avi"));
    QDir().mkpath(Path("clips"));
    ASSERT_TRUE(QFile::link("../elsewhere/clip.avi", Path("clips/linked.avi")));
    Project.NewFromFolder(Path("clips"));
    ASSERT_EQ(Project.Count(), 1);
    Project.SaveAs(Path("disc"));
    const QFileInfo saved(Path("disc/Video/LINKED.AVI"));
    EXPECT_FALSE(saved.isSymLink());
    EXPECT_EQ(ReadAll(saved.filePath()), ReadAll(Path("elsewhere/clip.avi")));
    EXPECT_FALSE(LocateFileOn(Path("disc"), "Video\\linked.avi").isEmpty());
}

TEST_F(DiscProjectTest, AnImageOpensReadOnlyAndSavesAsAFolder) {
    QV_SKIP_WITHOUT_FUSE();
    const SampleDiscFiles& disc = SampleDisc(1, SampleDiscKind::Real);
    Project.Open(disc.Iso);
    EXPECT_TRUE(Project.IsReadOnly());
    EXPECT_EQ(Project.VolumeLabel(), "QUORVIX_1");
    EXPECT_EQ(Bytes(Project.Records()), ReadAll(disc.Folder + "/DATA/ALL.DAT"));
    Project.SetTitle(0, "Changed on the way");
    EXPECT_NE(Refusal([&] { Project.Save(); }).find("read-only"), std::string::npos);

    Project.SaveAs(Path("copy"));
    EXPECT_FALSE(Project.IsReadOnly());
    EXPECT_EQ(EntryTitle(ReadCatalogFile(Path("copy/Data/All.dat"))[0]), "Changed on the way");
    EXPECT_EQ(ReadAll(LocateFileOn(Path("copy"), "Video\\CLIP04.AVI")),
              ReadAll(disc.Folder + "/VIDEO/CLIP04.AVI"));
    EXPECT_EQ(ReadAll(LocateFileOn(Path("copy"), "Pic\\Clip01.jpg")),
              ReadAll(disc.Folder + "/PIC/CLIP01.JPG"));

    // A disc in a drive: its folder opens, read-only as the drive is.
    FuseIsoMount drive(disc.Iso);
    ASSERT_TRUE(drive.Mounted());
    Project.Open(drive.MountPoint());
    EXPECT_TRUE(Project.IsReadOnly());
    EXPECT_EQ(Project.Count(), 9);
    EXPECT_NE(Refusal([&] { Project.Save(); }).find("read-only"), std::string::npos);

    EXPECT_NE(Refusal([&] { Project.Open(Path("copy/Video")); }).find("not a disc"),
              std::string::npos);
    Refusal([&] { Project.Open(Path("nowhere")); });
}

} // namespace
