// A disc author makes a disc in the author's window by keyboard alone: a new
// disc from three clips, a group and a title renamed in Cyrillic, a segment
// marked while the preview plays, a picture grabbed from it, the image
// built. The player then opens that image and plays what was made.
#include "userlevel/PlayingFixture.h"
#include "userlevel/UserDriver.h"

#include "catalog/CatalogRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class DesktopAuthor : public Playing {
protected:
    DesktopAuthor() : Playing("author") {}

    QString AuthorWindow() const { return User.Window(AuthorRole); }
    // The middle of the preview, where the test picture's counter and colour
    // bar move from frame to frame.
    QRect Preview() const {
        const QRect client = User.State(AuthorRole).Client;
        return QRect(client.left() + client.width() * 6 / 10, client.top() + 140,
                     client.width() * 3 / 10, 160);
    }
    // Answers the file dialog the last key opened with a path.
    void AnswerDialog(const QString& path) {
        QString dialog;
        ASSERT_TRUE(
            TUserSession::WaitUntil([&] { return !(dialog = User.Dialog()).isEmpty(); }, 10000))
            << "no file dialog";
        ASSERT_TRUE(User.WaitForFocus(dialog));
        User.Type(path);
        User.Key("Return");
        // Another window without a role (the build's report) may follow it at once.
        ASSERT_TRUE(TUserSession::WaitUntil([&] { return User.Dialog() != dialog; }, 10000));
        User.Focus(AuthorRole);
        ASSERT_TRUE(User.WaitForFocus(AuthorWindow()));
    }
    // Types a new text into the selected row of the tree and saves (Ctrl+S);
    // the saved catalog then holds it.
    bool Rename(const QString& text, const QString& catalog,
                const std::function<bool(const std::vector<CatalogRecord>&)>& holds) {
        const QByteArray before = Bytes(catalog);
        User.Key("F2");
        User.Key("ctrl+a");
        User.Type(text);
        User.Key("Return");
        User.Key("ctrl+s");
        return TUserSession::WaitUntil(
            [&] { return Bytes(catalog) != before && holds(ReadCatalogFile(catalog)); }, 5000);
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The catalog inside an image, as its reader sees it.
std::vector<CatalogRecord> CatalogOf(const QString& iso, const QString& scratch) {
    QProcess extract;
    extract.start("isoinfo", {"-i", iso, "-J", "-x", "/DATA/ALL.DAT"});
    if (!extract.waitForFinished(20000))
        return {};
    QFile file(scratch);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(extract.readAllStandardOutput());
    file.close();
    return ReadCatalogFile(scratch);
}

TEST_F(DesktopAuthor, ADiscMadeByKeyboardPlaysItsSegmentTitleAndPictureInThePlayer) {
    const QString clips = User.WorkDir() + "/clips/Sea";
    ASSERT_TRUE(QDir().mkpath(clips));
    for (const char* name : {"clip01.avi", "clip02.avi", "clip03.avi"})
        RunOrThrow("ffmpeg", {"-v", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                              "testsrc=size=320x240:rate=25:duration=6", "-c:v", "mpeg4", "-vtag",
                              "DIVX", clips + "/" + name});
    const QString iso = User.WorkDir() + "/sea.iso";

    User.StartAuthor();
    User.Focus(AuthorRole);
    ASSERT_TRUE(User.WaitForFocus(AuthorWindow()));
    const QString empty = User.Title(AuthorWindow());
    User.Key("ctrl+n");
    AnswerDialog(clips);
    ASSERT_TRUE(
        TUserSession::WaitUntil([&] { return User.Title(AuthorWindow()) != empty; }, 10000));

    // Saved into a folder, so that each rename can be read back.
    const QString saved = User.WorkDir() + "/disc";
    ASSERT_TRUE(QDir().mkpath(saved));
    User.Key("ctrl+s");
    AnswerDialog(saved);
    const QString catalog = saved + "/Data/All.dat";
    ASSERT_TRUE(TUserSession::WaitUntil([&] { return QFileInfo(catalog).size() > 0; }, 10000));

    // The first entry is selected; above it, its group.
    User.Key("Up");
    ASSERT_TRUE(Rename(QString::fromUtf8("Море"), catalog, [](const auto& records) {
        return GroupTitle(records.at(0)) == QString::fromUtf8("Море");
    }));
    User.Key("Down");
    ASSERT_TRUE(Rename(QString::fromUtf8("Прибой"), catalog, [](const auto& records) {
        return EntryTitle(records.at(0)) == QString::fromUtf8("Прибой");
    }));

    // Marks while it plays: I, a second of frames later O, then pause and grab.
    User.Key("l");
    ASSERT_TRUE(User.Changing(Preview())) << "the preview does not play";
    User.Key("i");
    for (int frame = 0; frame < 20; ++frame)
        ASSERT_TRUE(User.Changing(Preview(), 3000)) << "the preview stopped";
    User.Key("o");
    User.Key("k");
    ASSERT_TRUE(User.Still(Preview()));
    User.Key("g");
    User.Shot("marked");

    User.Key("ctrl+b");
    AnswerDialog(iso);
    QString report;
    ASSERT_TRUE(TUserSession::WaitUntil(
        [&] { return !(report = User.WindowNamed("Quorvix Author")).isEmpty(); }, 60000))
        << "no report of the build";
    User.Shot("built");
    ASSERT_TRUE(QFileInfo(iso).size() > 0);

    const std::vector<CatalogRecord> built = CatalogOf(iso, User.WorkDir() + "/All.dat");
    ASSERT_EQ(built.size(), 3u);
    EXPECT_EQ(GroupTitle(built[0]), QString::fromUtf8("Море"));
    EXPECT_EQ(GroupTitle(built[2]), QString::fromUtf8("Море"));
    EXPECT_EQ(EntryTitle(built[0]), QString::fromUtf8("Прибой"));
    const double start = built[0].StartPos;
    const double end = built[0].EndPos;
    EXPECT_GT(start, 0.0);
    EXPECT_GT(end, start + 0.3);
    EXPECT_LT(end, 6.0);
    User.KillProgram();

    // The player opens the image from its command line and plays the segment.
    User.StartPlayer({iso});
    ASSERT_TRUE(Showing(QString::fromUtf8("Прибой")));
    ASSERT_TRUE(User.Changing(Picture())) << "the segment does not play";
    ASSERT_TRUE(Viewable(CatalogRole, true));
    const QRect pictureBox(User.At(CatalogRole, {10, 4}), QSize(118, 86));
    const QImage grabbed = User.Area(pictureBox);
    User.Shot("playing");
    // At its end mark the next entry, which has no picture of its own.
    ASSERT_TRUE(User.WaitForWindow(
        CaptionRole, [](const TWindowState& s) { return s.Name == "clip02"; }, 15000))
        << "the segment did not end at its mark";
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(pictureBox) != grabbed; }, 5000))
        << "the first entry showed the default picture, not the one grabbed";
    // Exit lets the image go.
    ClickBar(Bar::Exit);
    EXPECT_TRUE(User.WaitForExit(10000));
}

} // namespace
