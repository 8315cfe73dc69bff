#include "CatWinTestSupport.h"
#include "platform/RandomNumbers.h"

#include "catalog/PlayListFile.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>

namespace {

class PlayListTest : public CatalogWindowTest {
protected:
    void SetUp() override {
        CatalogWindowTest::SetUp();
        WorkDir = Temp.path();
        FavFileName = Temp.filePath("Favorites.lst");
    }
    void WriteList(const QByteArray& bytes, const QString& name = "Favorites.lst") {
        QFile file(Temp.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Group A with entries 0, 1, 2.
    void BuildOneGroup() {
        LoadTestCatalog({{1, "A", "a0"}, {1, "A", "a1"}, {1, "A", "a2"}});
        Form->BuildCatalogTree();
    }
    void ApplyAsAtDiscLoad() {
        Form->CheckAllNodes();
        Form->ApplyingPlayList = true;
        Main->RestorePlayList();
        Form->ApplyingPlayList = false;
    }

    QTemporaryDir Temp;
};

TEST_F(PlayListTest, WrittenLinesAndBytes) {
    LoadTestCatalog({{1, "A", "a0"}, {1, "A", "a1"}, {2, "B", "b2"}});
    Form->BuildCatalogTree();
    Entry(0)->SetChecked(true);
    Entry(2)->SetChecked(true);
    std::vector<std::string> lines{"stale"};
    Form->CollectPlayListLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"1\xA4"
                                               "0",
                                               "0\xA4"
                                               "1",
                                               "1\xA4"
                                               "2"}));

    WritePlayListFile(FavFileName, {"1\xA4"
                                    "0",
                                    "0\xA4"
                                    "1"});
    QFile file(FavFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x31\xA4\x30\x0D\x0A\x30\xA4\x31\x0D\x0A"));
    EXPECT_EQ(ReadPlayListFile(FavFileName), (std::vector<std::string>{"1\xA4"
                                                                       "0",
                                                                       "0\xA4"
                                                                       "1"}));
}

TEST_F(PlayListTest, LinesEndAtCrLfOrCrLf) {
    WriteList("a\rb\nc\r\nd\n\re");
    EXPECT_EQ(ReadPlayListFile(FavFileName),
              (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    WriteList("");
    EXPECT_TRUE(ReadPlayListFile(FavFileName).empty());
    WriteList(QByteArray("x\0y\r\n", 5));
    EXPECT_EQ(ReadPlayListFile(FavFileName), (std::vector<std::string>{std::string("x\0y", 3)}));
}

TEST_F(PlayListTest, AFileThatCannotBeOpenedRaises) {
    const QString folder = Temp.filePath("folder.lst");
    QDir().mkpath(folder);
    try {
        ReadPlayListFile(folder);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + folder.toStdString());
    }
}

TEST_F(PlayListTest, OnlyTheFlagOneChecks) {
    LoadTestCatalog({{1, "A", "a0"},
                     {2, "B", "b1"},
                     {3, "C", "c2"},
                     {4, "D", "d3"},
                     {5, "E", "e4"},
                     {6, "F", "f5"}});
    Form->BuildCatalogTree();
    WriteList("0\xA4"
              "0\r\n11\xA4"
              "1\r\nx\xA4"
              "2\r\n\xA4"
              "3\r\n1\xA4x\xA4"
              "4\r\n1\xA4"
              "5\r\n");
    ApplyAsAtDiscLoad();
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{4, 5}));
    EXPECT_EQ(Form->Label3->text(), "Favorites.lst");
    EXPECT_TRUE(PlayListLines.empty());
}

TEST_F(PlayListTest, LinesNamingNoEntryAreSkipped) {
    BuildOneGroup();
    WriteList("0\r\n\r\n0\xA4\r\n0\xA4"
              "1x\r\n0\xA4-1\r\n0\xA4"
              "300\r\n0\xA4 2\r\n");
    ApplyAsAtDiscLoad();
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(Form->fcTreeView1->updatesEnabled());
    EXPECT_EQ(Form->fcTreeView1->UpdateDepth(), 0);
}

TEST_F(PlayListTest, LoadingIntoAnUncheckedGroupChecksTheWholeGroupFirst) {
    BuildOneGroup();
    WriteList("0\xA4"
              "0\r\n1\xA4"
              "1\r\n0\xA4"
              "2\r\n",
              "three.lst");
    // A file dialog costs a file system model and a thread: none until asked for.
    EXPECT_EQ(Form->OpenDialog1, nullptr);
    EXPECT_EQ(Form->SaveDialog1, nullptr);
    Form->ChooseFile = [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog, Form->OpenDialog1);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        return Temp.filePath("three.lst");
    };
    Form->FlatButton1Click();
    EXPECT_EQ(Form->SaveDialog1, nullptr);
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(Group(0)->Checked());
    EXPECT_TRUE(Group(0)->Grayed());
    EXPECT_FALSE(Form->ApplyingPlayList);
    EXPECT_EQ(FavFileName, Temp.filePath("three.lst"));
    // The Load command drew a random entry to play; neither has its clip, so
    // both were drawn, and nothing plays.
    EXPECT_EQ(RandSeed, 134775814u);
    EXPECT_EQ(CurrentIndex, -1);
}

TEST_F(PlayListTest, AtDiscLoadTheSameFileLeavesExactlyItsCheckedEntries) {
    BuildOneGroup();
    WriteList("0\xA4"
              "0\r\n1\xA4"
              "1\r\n0\xA4"
              "2\r\n");
    ApplyAsAtDiscLoad();
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{1}));
    EXPECT_TRUE(Group(0)->Checked());
    EXPECT_TRUE(Group(0)->Grayed());
}

TEST_F(PlayListTest, NothingIsAppliedWithoutFileOrWorkDir) {
    BuildOneGroup();
    Form->CheckAllNodes();
    Main->RestorePlayList(); // no file
    EXPECT_EQ(Form->Label3->text(), "Play List");
    WriteList("0\xA4"
              "0\r\n");
    WorkDir = "ERROR";
    Main->RestorePlayList();
    WorkDir = Temp.filePath("gone");
    Main->RestorePlayList();
    EXPECT_EQ(Form->Label3->text(), "Play List");
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 2}));

    WorkDir = Temp.path();
    WriteList("");
    Main->RestorePlayList();
    EXPECT_EQ(Form->Label3->text(), "Favorites.lst");
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 1, 2}));
}

TEST_F(PlayListTest, AWrittenListReadsBackIdentically) {
    LoadTestCatalog({{1, "A", "a0"}, {1, "A", "a1"}, {2, "B", "b2"}, {2, "B", "b3"}});
    Form->BuildCatalogTree();
    Form->CheckAllNodes();
    Form->LastPressedNode = -1;
    Entry(1)->SetChecked(false);
    Entry(3)->SetChecked(false);
    Main->SavePlayList();
    EXPECT_TRUE(PlayListLines.empty());
    Form->BuildCatalogTree();
    ApplyAsAtDiscLoad();
    EXPECT_EQ(CheckedEntries(), (std::vector<int>{0, 2}));
}

} // namespace
