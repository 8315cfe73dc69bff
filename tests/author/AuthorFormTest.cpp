// The author's window with the scripted playback control: edits and their
// undo, texts the catalog can't hold, marks at the shown frame, the checks
// panel, moving rows, rehearsals and pictures.
#include "author/AuthorForm.h"
#include "author/AuthorTestSupport.h"
#include "author/AuthorTree.h"
#include "author/AuthorVolumes.h"
#include "author/DiscChecks.h"
#include "author/DiscProject.h"
#include "author/MarkBar.h"
#include "catalog/CatalogRecord.h"
#include "platform/JpegImage.h"
#include "platform/Translations.h"
#include "support/ScriptedMediaPlayer.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

namespace {

class AuthorFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.avi", "b.avi", "c.avi"})
            MakeClip(Dir.filePath(QString("Sea/") + name));
        MakeClip(Dir.filePath("More/d.avi"));
        Form = std::make_unique<TAuthorForm>();
        Form->ChooseFolder = [this](const QString&) { return Answer; };
        Form->ChooseOpenFile = [this](const QString&, const QString&) { return Answer; };
        Form->ChooseOpenFiles = [this](const QString&, const QString&) { return Answers; };
        Form->ChooseSaveFile = [this](const QString&, const QString&) { return Answer; };
        Player = Factory.Last();
        ASSERT_NE(Player, nullptr);
        Answer = Dir.filePath("Sea");
        Form->ActionNew->trigger();
        ASSERT_EQ(Project().Count(), 3);
        QCoreApplication::processEvents(); // the checks run from the event loop
    }

    TDiscProject& Project() { return *Form->Project; }
    QString Title(int i) { return EntryTitle(Project().Record(i)); }
    QString Media(int i) { return MediaNameOf(Project().Record(i)); }
    QStringList Order() {
        QStringList names;
        for (int i = 0; i < Project().Count(); ++i)
            names << Media(i);
        return names;
    }
    // The message the window showed last, once; empty when none is open.
    QString TakeMessage() {
        if (!Form->MessageBox1)
            return {};
        const QString text = Form->MessageBox1->text();
        Form->MessageBox1->close();
        return text;
    }
    // Types into the tree's editor of a row and presses Enter.
    TCatalogTextEditor* StartTyping(QTreeWidgetItem* item, const QString& text,
                                    int column = ColTitle) {
        Form->Tree->setCurrentItem(item);
        Form->Tree->editItem(item, column);
        auto* editor = Form->Tree->findChild<TCatalogTextEditor*>();
        if (editor) {
            editor->selectAll();
            // Key by key, as typed; QTest::keyClicks knows ASCII only.
            for (const QChar c : text) {
                QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_unknown, QString(c), {});
                QTest::sendKeyEvent(QTest::Release, editor, Qt::Key_unknown, QString(c), {});
            }
        }
        return editor;
    }
    void Commit(TCatalogTextEditor* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    QTemporaryDir Dir;
    ScriptedMediaPlayerFactory Factory;
    std::unique_ptr<TAuthorForm> Form;
    TScriptedMediaPlayer* Player = nullptr;
    QString Answer;
    QStringList Answers;
};

TEST_F(AuthorFormTest, EveryKindOfEditIsUndoneAndRedoneAsOneStep) {
    struct TStep {
        const char* Name;
        std::function<void()> Make;
        std::function<QString()> State;
    };
    const auto marks = [this] {
        return QString("%1-%2").arg(Project().Record(1).StartPos).arg(Project().Record(1).EndPos);
    };
    const std::vector<TStep> steps = {
        {"title", [this] { Commit(StartTyping(Form->EntryItem(0), QString::fromUtf8("Прибой"))); },
         [this] { return Title(0); }},
        {"group", [this] { Commit(StartTyping(Form->GroupItem(0), QString::fromUtf8("Море"))); },
         [this] { return GroupTitle(Project().Record(2)); }},
        {"media name", [this] { Commit(StartTyping(Form->EntryItem(2), "SURF", ColMedia)); },
         [this] { return Media(2) + ":" + Project().MediaFile(Media(2)); }},
        {"marks",
         [this] {
             Form->SelectRecord(1);
             Player->SetShownFrameTime(0.5);
             Form->ActionMarkIn->trigger();
             Player->SetShownFrameTime(1.25);
             Form->ActionMarkOut->trigger();
         },
         marks},
        {"add",
         [this] {
             Form->SelectRecord(0);
             Answers = {Dir.filePath("More/d.avi")};
             Form->ActionAddClips->trigger();
         },
         [this] { return Order().join(','); }},
        {"remove",
         [this] {
             Form->SelectRecord(2);
             Form->ActionRemove->trigger();
         },
         [this] { return Order().join(','); }},
        {"move",
         [this] {
             Form->SelectRecord(0);
             Form->ActionMoveDown->trigger();
         },
         [this] { return Order().join(','); }},
        {"picture",
         [this] {
             QImage red(64, 48, QImage::Format_RGB32);
             red.fill(Qt::red);
             QFile file(Dir.filePath("red.jpg"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(EncodeJpeg(red));
             file.close();
             Form->SelectRecord(0);
             Answer = file.fileName();
             Form->ActionImportPicture->trigger();
         },
         [this] { return Project().PictureFile(Media(0)); }},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        const QString before = step.State();
        const QStringList orderBefore = Order();
        const int depth = Form->Undo1->count();
        step.Make();
        const QString after = step.State();
        // "marks" is two steps, each one of its own.
        const int made = std::string(step.Name) == "marks" ? 2 : 1;
        ASSERT_NE(after, before);
        ASSERT_EQ(Form->Undo1->count(), depth + made);
        for (int i = 0; i < made; ++i)
            Form->ActionUndo->trigger();
        EXPECT_EQ(step.State(), before);
        EXPECT_EQ(Order(), orderBefore);
        for (int i = 0; i < made; ++i)
            Form->ActionRedo->trigger();
        EXPECT_EQ(step.State(), after);
    }
    EXPECT_TRUE(Form->isWindowModified());
}

TEST_F(AuthorFormTest, ATextTheCatalogCannotHoldIsShownMarkedAndNotStored) {
    const QString before = Title(1);
    const int depth = Form->Undo1->count();
    TCatalogTextEditor* editor = StartTyping(Form->EntryItem(1), QString::fromUtf8("Wave Ω"));
    ASSERT_NE(editor, nullptr);
    // Shown as typed, the culprit marked, the status bar saying which.
    EXPECT_EQ(editor->text(), QString::fromUtf8("Wave Ω"));
    EXPECT_EQ(editor->BadAt(), 5);
    EXPECT_FALSE(editor->Problem().isEmpty());
    EXPECT_EQ(Form->statusBar()->currentMessage(), editor->Problem());
    Commit(editor);
    EXPECT_EQ(Title(1), before);
    EXPECT_EQ(Form->Undo1->count(), depth);
    EXPECT_FALSE(TakeMessage().isEmpty());
    EXPECT_EQ(Form->EntryItem(1)->text(ColTitle), before);

    // Too long for a short string: refused at the 256th byte.
    editor = StartTyping(Form->GroupItem(0), QString(256, 'x'));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->BadAt(), 255);
    Commit(editor);
    EXPECT_EQ(GroupTitle(Project().Record(0)), "Sea");
    EXPECT_EQ(Form->Undo1->count(), depth);

    // Cyrillic fits the code page and goes in whole.
    editor = StartTyping(Form->EntryItem(1), QString::fromUtf8("Волна"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->BadAt(), -1);
    Commit(editor);
    EXPECT_EQ(Title(1), QString::fromUtf8("Волна"));
}

TEST_F(AuthorFormTest, MarksLandOnTheShownFramesTimeStampAndABackwardSegmentIsRefused) {
    Form->SelectRecord(1);
    Player->SetPosition(12.0);
    Player->SetShownFrameTime(12.36);
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->Tree->setFocus();
    QTest::keyClick(Form->Tree, Qt::Key_I);
    EXPECT_EQ(double{Project().Record(1).StartPos}, 12.36);
    // A frame on from the position (12.0) shows 12.04, before the start:
    // an end there is refused, and said so.
    QTest::keyClick(Form->Tree, Qt::Key_Period);
    EXPECT_EQ(Player->Calls.last(), "StepFrame=1");
    EXPECT_DOUBLE_EQ(Player->ShownFrameTime(), 12.04);
    QTest::keyClick(Form->Tree, Qt::Key_O);
    EXPECT_EQ(double{Project().Record(1).EndPos}, 0.0);
    EXPECT_FALSE(TakeMessage().isEmpty());

    Player->SetShownFrameTime(14.2);
    Form->ActionMarkOut->trigger();
    EXPECT_EQ(double{Project().Record(1).EndPos}, 14.2);
    EXPECT_EQ(Form->PositionBar->EndMark(), 14.2);
    EXPECT_EQ(Form->PositionBar->StartMark(), 12.36);
    const int depth = Form->Undo1->count();
    // A start at or after the end is refused, and nothing changes.
    Player->SetShownFrameTime(14.2);
    Form->ActionMarkIn->trigger();
    EXPECT_EQ(double{Project().Record(1).StartPos}, 12.36);
    EXPECT_EQ(Form->Undo1->count(), depth);
    EXPECT_FALSE(TakeMessage().isEmpty());
    // An end at the start too.
    Player->SetShownFrameTime(12.36);
    Form->ActionMarkOut->trigger();
    EXPECT_EQ(double{Project().Record(1).EndPos}, 14.2);
    EXPECT_FALSE(TakeMessage().isEmpty());
    // J, K and L: back a second, pause, play on.
    QTest::keyClick(Form->Tree, Qt::Key_L);
    EXPECT_EQ(Player->Calls.last(), "Play");
    QTest::keyClick(Form->Tree, Qt::Key_K);
    EXPECT_EQ(Player->Calls.last(), "Pause");
    QTest::keyClick(Form->Tree, Qt::Key_J);
    EXPECT_EQ(Player->Calls.last(), "CurrentPosition=11.36");
}

TEST_F(AuthorFormTest, TheChecksFollowTheEditsAndAClickGoesToTheEntry) {
    const auto findingsOf = [this](int record) {
        int found = 0;
        for (int i = 0; i < Form->ChecksList->count(); ++i)
            found += Form->ChecksList->item(i)->data(Qt::UserRole).toInt() == record;
        return found;
    };
    ASSERT_GT(findingsOf(2), 0); // no picture yet
    QImage frame(320, 240, QImage::Format_RGB32);
    frame.fill(Qt::blue);
    Form->SelectRecord(2);
    Form->ActionGrabPicture->trigger();
    Player->DeliverFrame(frame);
    QCoreApplication::processEvents();
    EXPECT_EQ(findingsOf(2), 0);
    EXPECT_EQ(Form->EntryItem(2)->text(ColPicture), Form->tr("yes"));
    EXPECT_EQ(Form->EntryItem(1)->text(ColPicture), Form->tr("none"));

    // An end mark past the end of its 2 s clip: an error on that entry, gone with the undo.
    const auto errorsOf = [this](int record) {
        int found = 0;
        for (const TCheckFinding& finding : Form->Report().Findings)
            found += finding.Record == record && finding.Severity == TSeverity::Error;
        return found;
    };
    ASSERT_EQ(errorsOf(0), 0);
    const TTranslations english(QStringList{"en"}); // the counts' plural forms
    Form->SelectRecord(0);
    Player->SetShownFrameTime(5.0);
    Form->ActionMarkOut->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(errorsOf(0), 1);
    EXPECT_EQ(findingsOf(0), errorsOf(0) + 1); // and still no picture
    const QString summary = Form->StatusLabel->text();
    EXPECT_TRUE(summary.startsWith("3 entries, ") && summary.contains("; 1 error, "))
        << summary.toStdString();
    Form->ActionUndo->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(errorsOf(0), 0);

    // A click on a finding selects its entry.
    Form->SelectRecord(0);
    for (int i = 0; i < Form->ChecksList->count(); ++i) {
        QListWidgetItem* item = Form->ChecksList->item(i);
        if (item->data(Qt::UserRole).toInt() == 1) {
            const QRect place = Form->ChecksList->visualItemRect(item);
            Form->show();
            QTest::mouseClick(Form->ChecksList->viewport(), Qt::LeftButton, {}, place.center());
            break;
        }
    }
    EXPECT_EQ(Form->SelectedRecord(), 1);
    EXPECT_TRUE(Player->Calls.contains("FileName=" + Project().MediaFile(Media(1))));
}

TEST_F(AuthorFormTest, DraggingMovesEntriesWithinAndIntoGroupsAndGroupsAsAWhole) {
    Answers = {Dir.filePath("More/d.avi")};
    Form->SelectRecord(2);
    Form->ActionAddGroup->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(Form->Tree->topLevelItemCount(), 2);
    ASSERT_EQ(Order(), QStringList({"A", "B", "C", "D"}));
    const uint8_t seaKey = Project().Record(0).GroupKey;
    const uint8_t newKey = Project().Record(3).GroupKey;
    ASSERT_NE(seaKey, newKey);

    // A below C, in its own group.
    Form->DropRow(Form->EntryItem(0), Form->EntryItem(2), TDropPlace::Below);
    EXPECT_EQ(Order(), QStringList({"B", "C", "A", "D"}));
    EXPECT_EQ(Form->SelectedRecord(), 2);
    // C onto the new group's entry: it joins that group.
    Form->DropRow(Form->EntryItem(1), Form->EntryItem(3), TDropPlace::Above);
    EXPECT_EQ(Order(), QStringList({"B", "A", "C", "D"}));
    EXPECT_EQ(Project().Record(2).GroupKey, newKey);
    EXPECT_EQ(Form->Tree->topLevelItem(1)->childCount(), 2);
    // The new group before the first, whole.
    Form->DropRow(Form->Tree->topLevelItem(1), Form->Tree->topLevelItem(0), TDropPlace::Above);
    EXPECT_EQ(Order(), QStringList({"C", "D", "B", "A"}));
    EXPECT_EQ(Form->Tree->topLevelItem(0)->childCount(), 2);
    // A drop onto itself changes nothing.
    const int depth = Form->Undo1->count();
    Form->DropRow(Form->EntryItem(0), Form->EntryItem(0), TDropPlace::On);
    EXPECT_EQ(Form->Undo1->count(), depth);

    for (int i = 0; i < 3; ++i)
        Form->ActionUndo->trigger();
    EXPECT_EQ(Order(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(Project().Record(2).GroupKey, seaKey);
    EXPECT_EQ(GroupTitle(Project().Record(2)), "Sea");

    // By keyboard: an entry stays in its group, a group moves whole.
    Form->SelectRecord(2);
    Form->ActionMoveDown->trigger();
    EXPECT_EQ(Order(), QStringList({"A", "B", "C", "D"}));
    Form->Tree->setCurrentItem(Form->Tree->topLevelItem(1));
    Form->ActionMoveUp->trigger();
    EXPECT_EQ(Order(), QStringList({"D", "A", "B", "C"}));
}

TEST_F(AuthorFormTest, RehearsalsPlayFromStartToEndMarkAndAllCheckedEntriesInOrder) {
    Form->SelectRecord(0);
    Player->SetShownFrameTime(1.0);
    Form->ActionMarkIn->trigger();
    Player->SetShownFrameTime(2.0);
    Form->ActionMarkOut->trigger();
    Player->Calls.clear();
    Form->ActionRehearse->trigger();
    EXPECT_EQ(Player->Calls, QStringList({"CurrentPosition=1", "Play"}));
    EXPECT_TRUE(Form->IsRehearsing());
    Player->SetShownFrameTime(1.9);
    QTest::qWait(100);
    EXPECT_FALSE(Player->Calls.contains("Pause"));
    Player->SetShownFrameTime(2.0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Player->Calls.contains("Pause"); }, 2000));
    EXPECT_FALSE(Form->IsRehearsing());

    // Entry 1 unchecked: 0, then 2, which runs to its file's end.
    Form->SetChecked(1, false);
    EXPECT_FALSE(Form->IsChecked(1));
    Form->ActionRehearseAll->trigger();
    EXPECT_EQ(Form->SelectedRecord(), 0);
    EXPECT_EQ(Form->RehearsalQueue(), std::vector<int>({2}));
    Player->SetShownFrameTime(2.0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form->SelectedRecord() == 2; }, 2000));
    EXPECT_TRUE(Player->Calls.contains("FileName=" + Project().MediaFile(Media(2))));
    EXPECT_TRUE(Form->IsRehearsing());
    Player->ReachEnd();
    EXPECT_FALSE(Form->IsRehearsing());
}

TEST_F(AuthorFormTest, AGrabbedPictureIsABaselineJpegThePictureBoxShowsWell) {
    Form->SelectRecord(1);
    Form->ActionGrabPicture->trigger();
    EXPECT_EQ(Player->Calls.last(), "GrabFrame");
    QImage frame(640, 480, QImage::Format_RGB32);
    frame.fill(QColor(10, 200, 30));
    Player->DeliverFrame(frame);
    const QString picture = Project().PictureFile(Media(1));
    ASSERT_FALSE(picture.isEmpty());
    const QByteArray bytes = ReadAll(picture);
    // Start of frame 0 (baseline), not 2 (progressive).
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2)));
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2)));
    const TJpegPicture decoded = LoadJpegFile(picture);
    EXPECT_EQ(decoded.Size, QSize(240, 180));
    EXPECT_TRUE(Project().PictureFile(Media(0)).isEmpty());
    // No picture to be had: said so, nothing stored.
    Form->SelectRecord(0);
    Form->ActionGrabPicture->trigger();
    Player->DeliverFrame(QImage());
    EXPECT_TRUE(Project().PictureFile(Media(0)).isEmpty());
    EXPECT_FALSE(TakeMessage().isEmpty());
    Form->ActionUndo->trigger();
    EXPECT_TRUE(Project().PictureFile(Media(1)).isEmpty());
}

TEST_F(AuthorFormTest, TheImageIsBuiltWhileTheWindowGoesOnAndItsCheckIsReported) {
    Answer = Dir.filePath("out/disc.iso");
    QDir().mkpath(Dir.filePath("out"));
    Form->ActionBuildImage->trigger();
    EXPECT_FALSE(Form->ActionBuildImage->isEnabled());
    EXPECT_FALSE(Form->ProgressBar1->isHidden());
    // The window still takes edits while the tool runs.
    Player->SetShownFrameTime(0.5);
    Form->ActionMarkIn->trigger();
    EXPECT_EQ(double{Project().Record(0).StartPos}, 0.5);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form->ActionBuildImage->isEnabled(); }, 60000));
    EXPECT_TRUE(Form->ProgressBar1->isHidden());
    ASSERT_TRUE(Form->MessageBox1);
    EXPECT_EQ(Form->MessageBox1->icon(), QMessageBox::Information) << TakeMessage().toStdString();
    EXPECT_TRUE(QFileInfo(Dir.filePath("out/disc.iso")).size() > 0);
    TakeMessage();

    // Saved first: the window would ask about the changes. The image then
    // opens read-only, and Save writes a folder.
    Answer = Dir.filePath("saved");
    Form->ActionSaveAs->trigger();
    ASSERT_FALSE(Project().IsModified());
    Answer = Dir.filePath("out/disc.iso");
    Form->ActionOpen->trigger();
    ASSERT_TRUE(Project().IsReadOnly());
    EXPECT_EQ(Project().Count(), 3);
    // As the disc stood when the build began: the mark came later.
    EXPECT_EQ(double{Project().Record(0).StartPos}, 0.0);
    EXPECT_TRUE(Form->windowTitle().contains(Form->tr(" (read-only)")));
    Answer = Dir.filePath("from-image");
    Form->ActionSave->trigger();
    EXPECT_FALSE(Project().IsReadOnly());
    EXPECT_EQ(Project().Location(), Dir.filePath("from-image"));
    EXPECT_EQ(ReadCatalogFile(Dir.filePath("from-image/Data/All.dat")).size(), 3u);
}

TEST_F(AuthorFormTest, AProposedSetOfVolumesIsWrittenAsDiscsOfOneSettingsName) {
    Answer = Dir.filePath("saved");
    Form->ActionSaveAs->trigger();
    ASSERT_FALSE(Project().IsModified());
    // A disc smaller than any clip: each clip a volume of its own.
    const std::vector<TVolumeProposal> volumes = ProposeVolumes(Project(), 1);
    ASSERT_EQ(volumes.size(), 3u);
    WriteVolumes(Project().Location(), volumes, Dir.filePath("set"));
    for (int volume = 1; volume <= 3; ++volume) {
        SCOPED_TRACE(volume);
        TDiscProject disc;
        disc.Open(Dir.filePath(QString("set/VOLUME%1").arg(volume)));
        ASSERT_EQ(disc.Count(), 1);
        EXPECT_EQ(disc.Volume(), volume);
        EXPECT_EQ(disc.IniFileName(), Project().IniFileName());
        EXPECT_EQ(MediaNameOf(disc.Record(0)), Media(volume - 1));
        EXPECT_FALSE(disc.MediaFile(Media(volume - 1)).isEmpty());
    }
}

// What Qt says while it lives.
class TWarnings {
public:
    TWarnings() : Previous(qInstallMessageHandler(&Heard)) { Current = this; }
    ~TWarnings() {
        qInstallMessageHandler(Previous);
        Current = nullptr;
    }
    QStringList Texts;

private:
    static void Heard(QtMsgType, const QMessageLogContext&, const QString& text) {
        Current->Texts << text;
    }
    static inline TWarnings* Current = nullptr;
    QtMessageHandler Previous;
};

TEST_F(AuthorFormTest, TheTitleNamesTheDiscAndShowsModification) {
    EXPECT_TRUE(Form->windowTitle().contains("Quorvix Author"));
    EXPECT_TRUE(Form->isWindowModified());
    Answer = Dir.filePath("saved");
    Form->ActionSave->trigger(); // a new disc has no folder yet: Save As
    EXPECT_FALSE(Form->isWindowModified());
    EXPECT_EQ(Project().Location(), Dir.filePath("saved"));
    Form->SelectRecord(0);
    Player->SetShownFrameTime(0.2);
    Form->ActionMarkIn->trigger();
    EXPECT_TRUE(Form->isWindowModified());
    Form->ActionSave->trigger();
    EXPECT_FALSE(Form->isWindowModified());
    EXPECT_EQ(double{ReadCatalogFile(Dir.filePath("saved/Data/All.dat")).at(0).StartPos}, 0.2);

    // Enter and Ctrl+S at once, before the view has committed the text.
    TCatalogTextEditor* editor = StartTyping(Form->EntryItem(1), "Tide");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    Form->ActionSave->trigger();
    EXPECT_EQ(EntryTitle(ReadCatalogFile(Dir.filePath("saved/Data/All.dat")).at(1)), "Tide");
    {
        // The view's own commit comes to nothing, and says nothing.
        const TWarnings warnings;
        QCoreApplication::processEvents();
        EXPECT_TRUE(warnings.Texts.isEmpty()) << warnings.Texts.join('\n').toStdString();
    }
    EXPECT_EQ(Title(1), "Tide");
    EXPECT_FALSE(Form->isWindowModified());
}

} // namespace

namespace {

TEST_F(AuthorFormTest, UnsavedChangesAreNeverDroppedWithoutAsking) {
    int asked = 0;
    int answer = QMessageBox::Cancel;
    Form->AskUnsaved = [&] {
        ++asked;
        return answer;
    };
    ASSERT_TRUE(Project().IsModified());
    Answer = Dir.filePath("More");
    Form->ActionNew->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Order(), QStringList({"A", "B", "C"})); // cancelled: the disc stays
    EXPECT_FALSE(Form->close());

    // Save: into a folder first, then the new disc.
    answer = QMessageBox::Save;
    Answers = {};
    Form->ChooseFolder = [this](const QString& title) {
        return title == Form->tr("A folder of clips") ? Dir.filePath("More") : Dir.filePath("kept");
    };
    Form->ActionNew->trigger();
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(ReadCatalogFile(Dir.filePath("kept/Data/All.dat")).size(), 3u);
    EXPECT_EQ(Order(), QStringList({"D"}));

    answer = QMessageBox::Discard;
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(asked, 4);
}

} // namespace
