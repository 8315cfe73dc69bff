// A disc author makes a disc in the author's window: by keyboard, a new disc
// from three clips, a group and a title renamed in Cyrillic, a segment
// marked while the preview plays and a picture grabbed from it; by pointer,
// an entry dragged up; by keyboard again, the image built. The player then
// opens that image and plays what was made.
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
    }
    // The keyboard back on the author's window, once a dialog has gone.
    void BackToAuthor() {
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
    // A strip down the tree's title column, right of every title.
    QRect TreeStrip() const {
        const QRect client = User.State(AuthorRole).Client;
        return QRect(client.left() + 150, client.top(), 4, client.height() * 2 / 3);
    }
    // The screen rows where two looks at the strip differ, as bands top first.
    static std::vector<std::pair<int, int>> ChangedBands(const QImage& before,
                                                         const QImage& after) {
        std::vector<std::pair<int, int>> bands;
        for (int y = 0; y < before.height(); ++y) {
            bool changed = false;
            for (int x = 0; x < before.width(); ++x)
                changed = changed || before.pixel(x, y) != after.pixel(x, y);
            if (!changed)
                continue;
            if (!bands.empty() && bands.back().second >= y - 2)
                bands.back().second = y;
            else
                bands.emplace_back(y, y);
        }
        return bands;
    }
    // Goes down two rows; the row now selected, seen where the highlight moved
    // from the row left: the lower of the two bands.
    QRect RowTwoDown() {
        const QRect strip = TreeStrip();
        const QImage before = User.Area(strip);
        User.Key("Down");
        User.Key("Down");
        std::vector<std::pair<int, int>> bands;
        if (!TUserSession::WaitUntil(
                [&] { return (bands = ChangedBands(before, User.Area(strip))).size() == 2; }, 5000))
            return {};
        const auto [top, bottom] = bands.back();
        return QRect(strip.left(), strip.top() + top, strip.width(), bottom - top + 1);
    }
    // Drags by pointer, as a hand does, holding on at the end until the
    // dragged row has followed two moves there: the program may take the moves
    // that start a drag as one, but a move of a running drag is answered
    // before the release is read.
    bool Drag(QPoint from, QPoint to) {
        const QRect strip = TreeStrip();
        User.MoveTo(from);
        User.Press();
        for (int step = 1; step <= 4; ++step)
            User.MoveTo(from + (to - from) * step / 4);
        QImage last = User.Area(strip);
        int followed = 0;
        for (int move = 0; move < 20 && followed < 2; ++move) {
            User.MoveTo(to - QPoint(0, 1 + move % 2));
            if (TUserSession::WaitUntil([&] { return User.Area(strip) != last; }, 500)) {
                ++followed;
                last = User.Area(strip);
            }
        }
        User.Release();
        return followed == 2;
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
    ASSERT_NO_FATAL_FAILURE(AnswerDialog(clips));
    ASSERT_NO_FATAL_FAILURE(BackToAuthor());
    ASSERT_TRUE(
        TUserSession::WaitUntil([&] { return User.Title(AuthorWindow()) != empty; }, 10000));

    // Saved into a folder, so that each rename can be read back.
    const QString saved = User.WorkDir() + "/disc";
    ASSERT_TRUE(QDir().mkpath(saved));
    User.Key("ctrl+s");
    ASSERT_NO_FATAL_FAILURE(AnswerDialog(saved));
    ASSERT_NO_FATAL_FAILURE(BackToAuthor());
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

    // By pointer: the third entry dragged into the upper half of the second.
    const QRect third = RowTwoDown();
    ASSERT_TRUE(third.isValid()) << "the selection did not move down the tree";
    ASSERT_TRUE(Drag(third.center(), third.center() - QPoint(0, third.height() * 5 / 4)))
        << "no drag on the screen";
    ASSERT_TRUE(Rename(QString::fromUtf8("Волна"), catalog, [](const auto& records) {
        return MediaNameOf(records.at(1)) == "CLIP03" &&
               EntryTitle(records.at(1)) == QString::fromUtf8("Волна");
    })) << "the dragged entry is not second";

    User.Key("ctrl+b");
    // The build's report comes next, modal: the keyboard stays with it.
    ASSERT_NO_FATAL_FAILURE(AnswerDialog(iso));
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
    EXPECT_EQ(MediaNameOf(built[1]), "CLIP03");
    EXPECT_EQ(EntryTitle(built[2]), "clip02");
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
        CaptionRole, [](const TWindowState& s) { return s.Name == QString::fromUtf8("Волна"); },
        15000))
        << "the segment did not end at its mark";
    EXPECT_TRUE(TUserSession::WaitUntil([&] { return User.Area(pictureBox) != grabbed; }, 5000))
        << "the first entry showed the default picture, not the one grabbed";
    // Exit lets the image go.
    ClickBar(Bar::Exit);
    EXPECT_TRUE(User.WaitForExit(10000));
}

} // namespace
