// The command line of quorvix-author: its exit codes and what it prints.
#include "AuthorTestSupport.h"

#include "author/AuthorTool.h"

#include <sstream>

namespace {

struct ToolRun {
    int Status;
    std::string Out;
    std::string Err;
};

ToolRun RunTool(const QStringList& arguments) {
    std::ostringstream out, err;
    const int status = RunAuthorTool(arguments, out, err);
    return {status, out.str(), err.str()};
}

class AuthorToolTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return Dir.filePath(name); }
    PrivateRuntime Runtime; // first made, last gone: the mounts go before it
    QTemporaryDir Dir;
};

TEST_F(AuthorToolTest, AWrongCommandLineIsAUsageError) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"frobnicate"}, QStringList{"build", Path("clips")},
          QStringList{"build", "-o", Path("x.iso")},
          QStringList{"build", Path("clips"), "-o", Path("x.iso"), "--volume", "none"},
          QStringList{"build", Path("clips"), "-o"}, QStringList{"build", "a", "b", "-o", "c"},
          QStringList{"check"}, QStringList{"check", "a", "b"}, QStringList{"--help", "more"},
          QStringList{"save", Path("clips")}}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(run.Err.find("usage: quorvix-author build FOLDER -o DISC.iso"),
                  std::string::npos);
        EXPECT_TRUE(run.Out.empty());
    }
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("Exit status"), std::string::npos);
    EXPECT_TRUE(help.Err.empty());
}

TEST_F(AuthorToolTest, CheckExitsOneOnAnErrorAndZeroOnWarningsOnly) {
    MakeClip(Path("clips/one.avi"), 2);
    // A folder of clips is checked as the disc it would make.
    const ToolRun clips = RunTool({"check", Path("clips")});
    EXPECT_EQ(clips.Status, 0) << clips.Err;
    EXPECT_NE(clips.Out.find("warning: entry 0 \"one\": no picture Pic/ONE.jpg"), std::string::npos)
        << clips.Out;
    EXPECT_NE(clips.Out.find("0 error(s), 1 warning(s)"), std::string::npos) << clips.Out;
    WriteAll(Path("empty/notes.txt"), "no clip");
    const ToolRun empty = RunTool({"check", Path("empty")});
    EXPECT_EQ(empty.Status, 1);
    EXPECT_NE(empty.Err.find("holds no video clips"), std::string::npos) << empty.Err;
    EXPECT_EQ(RunTool({"check", Path("nowhere")}).Status, 1);

    // The sample disc lacks one of its clips.
    const SampleDiscFiles& sample = SampleDisc();
    const ToolRun failing = RunTool({"check", sample.Folder});
    EXPECT_EQ(failing.Status, 1);
    EXPECT_NE(failing.Out.find("error: entry 5 \"Потерянный клип\": no video Video/Clip06.AVI"),
              std::string::npos)
        << failing.Out;
    EXPECT_NE(failing.Out.find("warning: "), std::string::npos);
}

TEST_F(AuthorToolTest, BuildMakesACheckedImageAndRefusesADiscWithErrors) {
    QV_SKIP_WITHOUT_FUSE();
    MakeClip(Path("clips/Nature/waterfall.avi"), 2);
    MakeClip(Path("clips/City/street.avi"), 2);
    const ToolRun built = RunTool(
        {"build", Path("clips"), "-o", Path("disc.iso"), "--volume", "2", "--ini-name", "Клипы"});
    ASSERT_EQ(built.Status, 0) << built.Out << built.Err;
    EXPECT_NE(built.Out.find("disc.iso: 2 entries, built and checked"), std::string::npos)
        << built.Out;
    EXPECT_NE(built.Out.find("0 error(s), 2 warning(s)"), std::string::npos) << "no pictures";

    const ToolRun checked = RunTool({"check", Path("disc.iso")});
    EXPECT_EQ(checked.Status, 0) << checked.Out << checked.Err;
    FuseIsoMount disc(Path("disc.iso"));
    ASSERT_TRUE(disc.Mounted());
    EXPECT_EQ(ReadAll(disc.MountPoint() + "/SETUP.INF"),
              "[Main]\r\nVolume=2\r\nIniFileName=" + QStringToAnsi("Клипы") + "\r\n");
    QFile image(Path("disc.iso"));
    ASSERT_TRUE(image.open(QIODevice::ReadOnly) && image.seek(16 * 2048 + 40));
    EXPECT_EQ(image.read(32).trimmed(), "QUORVIX_2");

    // An image saved as a folder, as it was built.
    const ToolRun saved = RunTool({"save", Path("disc.iso"), "-o", Path("folder")});
    ASSERT_EQ(saved.Status, 0) << saved.Err;
    EXPECT_NE(saved.Out.find("folder: 2 entries saved"), std::string::npos) << saved.Out;
    EXPECT_EQ(ReadAll(Path("folder/Data/All.dat")), ReadAll(disc.MountPoint() + "/DATA/ALL.DAT"));
    EXPECT_EQ(RunTool({"check", Path("folder")}).Status, 0);
    EXPECT_EQ(RunTool({"save", Path("nowhere"), "-o", Path("folder2")}).Status, 1);

    // A disc with an error is not built; the old image stays.
    const ToolRun refused = RunTool({"build", SampleDisc().Folder, "-o", Path("disc.iso")});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_NE(refused.Err.find("was not built"), std::string::npos) << refused.Err;
    EXPECT_EQ(RunTool({"check", Path("disc.iso")}).Status, 0);

    const ToolRun badLabel =
        RunTool({"build", Path("clips"), "-o", Path("other.iso"), "--label", "No spaces"});
    EXPECT_EQ(badLabel.Status, 1);
    EXPECT_NE(badLabel.Err.find("volume label"), std::string::npos) << badLabel.Err;
    EXPECT_FALSE(QFileInfo::exists(Path("other.iso")));
}

} // namespace
