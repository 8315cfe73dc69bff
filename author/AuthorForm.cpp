#include "author/AuthorForm.h"

#include "author/AuthorEdit.h"
#include "author/AuthorTree.h"
#include "author/AuthorVolumes.h"
#include "author/DiscProject.h"
#include "author/ImageBuild.h"
#include "author/MarkBar.h"
#include "catalog/CatalogRecord.h"
#include "media/MediaPlayer_TLB.h"
#include "media/MediaProbe.h"
#include "platform/Exceptions.h"
#include "platform/JpegImage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The player's picture box is about 121 x 95 in a window that grows with its
// titles: twice that keeps a grabbed picture sharp at any of its sizes while
// staying a small file on the disc.
constexpr int PictureWidth = 240;
constexpr int PictureHeight = 180;

QString Seconds(double seconds) {
    const int whole = static_cast<int>(std::floor(seconds));
    const int ms = static_cast<int>(std::lround((seconds - whole) * 1000.0));
    return QString("%1:%2.%3")
        .arg(whole / 60, 2, 10, QChar('0'))
        .arg(whole % 60, 2, 10, QChar('0'))
        .arg(std::min(ms, 999), 3, 10, QChar('0'));
}

// A file dialog's filter: the name is translated, the pattern is the file
// system's and never is.
QString Filter(const QString& name, const char* pattern) {
    return name + QStringLiteral(" (") + QLatin1String(pattern) + QLatin1Char(')');
}

QString AllFiles() {
    return QStringLiteral(";;") + Filter(TAuthorForm::tr("All files"), "*");
}

QString ClipFilter() {
    return Filter(TAuthorForm::tr("Clips"), "*.avi *.AVI *.mpg *.mpeg *.mp4 *.mkv *.wmv") +
           AllFiles();
}

} // namespace

TAuthorForm::TAuthorForm(QWidget* parent)
    : QMainWindow(parent), Project(new TDiscProject(this)), Undo1(new QUndoStack(this)),
      Tree(new TAuthorTree), PositionBar(new TMarkBar), TimeLabel(new QLabel),
      ChecksList(new QListWidget), ChecksSummary(new QLabel), StatusLabel(new QLabel),
      ProgressBar1(new QProgressBar), PreviewTimer(new QTimer(this)),
      ChecksTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("TAuthorForm"));
    setWindowRole(QStringLiteral("TAuthorForm")); // how the desktop and the tests tell it
    ChooseFolder = [this](const QString& title) {
        return QFileDialog::getExistingDirectory(this, title);
    };
    ChooseOpenFile = [this](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(this, title, {}, filter);
    };
    ChooseOpenFiles = [this](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileNames(this, title, {}, filter);
    };
    ChooseSaveFile = [this](const QString& title, const QString& filter) {
        return QFileDialog::getSaveFileName(this, title, {}, filter);
    };
    AskUnsaved = [this] {
        return int(QMessageBox::question(
            this, tr("Quorvix Author"), tr("The disc has changes that are not saved. Save them?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel));
    };

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(Tree);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(4, 0, 0, 0);
    Preview = CreateMediaPlayer(right);
    Preview->setMinimumSize(320, 240);
    Preview->setFocusPolicy(Qt::NoFocus);
    rightLayout->addWidget(Preview, 1);
    rightLayout->addWidget(PositionBar);
    TimeLabel->setAlignment(Qt::AlignCenter);
    rightLayout->addWidget(TimeLabel);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({480, 620});
    setCentralWidget(splitter);

    CreateActions();
    CreateMenus();
    CreateDocks();

    // Two rows, so that no button hides behind the bar's overflow.
    auto* transport = new QToolBar(tr("Preview"));
    transport->addActions(
        {ActionPlayBack, ActionPause, ActionPlay, ActionStepBack, ActionStepForward});
    auto* marking = new QToolBar(tr("Marks"));
    marking->addActions(
        {ActionMarkIn, ActionMarkOut, ActionRehearse, ActionRehearseAll, ActionGrabPicture});
    for (QToolBar* bar : {transport, marking}) {
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        rightLayout->addWidget(bar, 0, Qt::AlignHCenter);
    }

    statusBar()->addWidget(StatusLabel, 1);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setMaximumWidth(200);
    ProgressBar1->hide();
    statusBar()->addPermanentWidget(ProgressBar1);

    Tree->Delegate()->OnCommit = [this](const QModelIndex& index, const QString& text) {
        // Later, from the event loop: the editor is still being closed.
        const int row = index.row();
        const QModelIndex parent = index.parent();
        const int column = index.column();
        PendingCommit = [this, row, parent, column, text] {
            QTreeWidgetItem* item = parent.isValid()
                                        ? (Tree->topLevelItem(parent.row())
                                               ? Tree->topLevelItem(parent.row())->child(row)
                                               : nullptr)
                                        : Tree->topLevelItem(row);
            if (item)
                TreeTextCommitted(item, column, text);
        };
        QTimer::singleShot(0, this, [this] { ApplyPendingCommit(); });
    };
    Tree->Delegate()->OnProblem = [this](const QString& problem) {
        statusBar()->showMessage(problem);
    };
    Tree->OnDrop = [this](QTreeWidgetItem* dragged, QTreeWidgetItem* target, TDropPlace where) {
        DropRow(dragged, target, where);
    };
    connect(Tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeCurrentItemChanged(current); });
    connect(Tree, &QTreeWidget::itemChanged, this, &TAuthorForm::TreeItemChanged);
    connect(Project, &TDiscProject::Changed, this, &TAuthorForm::ProjectChanged);
    connect(Undo1, &QUndoStack::cleanChanged, this, [this] { UpdateTitle(); });
    connect(ChecksList, &QListWidget::itemClicked, this, &TAuthorForm::ChecksListItemClicked);
    connect(ChecksList, &QListWidget::itemActivated, this, &TAuthorForm::ChecksListItemClicked);
    connect(PositionBar, &TMarkBar::SeekRequested, this, [this](double seconds) {
        if (Shown >= 0)
            Preview->SetCurrentPosition(seconds);
    });
    connect(Preview, &TWinMediaPlayer::EndOfStream, this, [this] { PreviewEndOfStream(); });
    connect(Preview, &TWinMediaPlayer::FrameGrabbed, this, &TAuthorForm::PreviewFrameGrabbed);

    PreviewTimer->setInterval(40);
    connect(PreviewTimer, &QTimer::timeout, this, &TAuthorForm::PreviewTimerTimer);
    ChecksTimer->setSingleShot(true);
    ChecksTimer->setInterval(0);
    connect(ChecksTimer, &QTimer::timeout, this, &TAuthorForm::RecheckNow);

    resize(1100, 720);
    Tree->setFocus();
    RebuildTree();
    RecheckNow();
    UpdateTitle();
    UpdateActions();
}

// The undo stack says it is clean as it goes, after the project it would
// name in the title is gone: it goes first.
TAuthorForm::~TAuthorForm() {
    delete Undo1;
}

void TAuthorForm::CreateActions() {
    const auto make = [this](const QString& text, const QKeySequence& key,
                             void (TAuthorForm::*handler)()) {
        auto* action = new QAction(text, this);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, handler] {
            FinishEdits();
            (this->*handler)();
        });
        addAction(action);
        return action;
    };
    ActionNew =
        make(tr("&New disc from clips…"), QKeySequence::New, &TAuthorForm::ActionNewTriggered);
    ActionOpen =
        make(tr("&Open disc or image…"), QKeySequence::Open, &TAuthorForm::ActionOpenTriggered);
    ActionSave = make(tr("&Save"), QKeySequence::Save, &TAuthorForm::ActionSaveTriggered);
    ActionSaveAs = make(tr("Save &as…"), QKeySequence::SaveAs, &TAuthorForm::ActionSaveAsTriggered);
    ActionBuildImage = make(tr("&Build image…"), QKeySequence(Qt::CTRL | Qt::Key_B),
                            &TAuthorForm::ActionBuildImageTriggered);
    ActionQuit = new QAction(tr("&Quit"), this);
    ActionQuit->setShortcut(QKeySequence::Quit);
    connect(ActionQuit, &QAction::triggered, this, &QWidget::close);
    addAction(ActionQuit);

    ActionUndo = Undo1->createUndoAction(this, tr("&Undo"));
    ActionUndo->setShortcut(QKeySequence::Undo);
    ActionRedo = Undo1->createRedoAction(this, tr("&Redo"));
    ActionRedo->setShortcut(QKeySequence::Redo);

    ActionAddClips = make(tr("Add &clips…"), QKeySequence(Qt::Key_Insert),
                          &TAuthorForm::ActionAddClipsTriggered);
    ActionAddGroup = make(tr("Add &group…"), QKeySequence(Qt::CTRL | Qt::Key_Insert),
                          &TAuthorForm::ActionAddGroupTriggered);
    ActionRemove =
        make(tr("&Remove"), QKeySequence(Qt::Key_Delete), &TAuthorForm::ActionRemoveTriggered);
    ActionMoveUp = make(tr("Move &up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
                        &TAuthorForm::ActionMoveUpTriggered);
    ActionMoveDown = make(tr("Move &down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                          &TAuthorForm::ActionMoveDownTriggered);
    ActionRename =
        make(tr("Re&name"), QKeySequence(Qt::Key_F2), &TAuthorForm::ActionRenameTriggered);

    ActionMarkIn =
        make(tr("Mark &in"), QKeySequence(Qt::Key_I), &TAuthorForm::ActionMarkInTriggered);
    ActionMarkOut =
        make(tr("Mark &out"), QKeySequence(Qt::Key_O), &TAuthorForm::ActionMarkOutTriggered);
    ActionStepBack =
        make(tr("Frame back"), QKeySequence(Qt::Key_Comma), &TAuthorForm::ActionStepBackTriggered);
    ActionStepForward = make(tr("Frame on"), QKeySequence(Qt::Key_Period),
                             &TAuthorForm::ActionStepForwardTriggered);
    ActionPlayBack =
        make(tr("Back"), QKeySequence(Qt::Key_J), &TAuthorForm::ActionPlayBackTriggered);
    ActionPause = make(tr("Pause"), QKeySequence(Qt::Key_K), &TAuthorForm::ActionPauseTriggered);
    ActionPlay = make(tr("Play"), QKeySequence(Qt::Key_L), &TAuthorForm::ActionPlayTriggered);
    ActionRehearse =
        make(tr("&Rehearse"), QKeySequence(Qt::Key_R), &TAuthorForm::ActionRehearseTriggered);
    ActionRehearseAll = make(tr("Rehearse &all"), QKeySequence(Qt::SHIFT | Qt::Key_R),
                             &TAuthorForm::ActionRehearseAllTriggered);
    ActionGrabPicture = make(tr("&Grab picture"), QKeySequence(Qt::Key_G),
                             &TAuthorForm::ActionGrabPictureTriggered);
    ActionImportPicture =
        make(tr("&Import picture…"), QKeySequence(), &TAuthorForm::ActionImportPictureTriggered);

    ActionNew->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    ActionOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ActionSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ActionUndo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ActionRedo->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    ActionBuildImage->setIcon(style()->standardIcon(QStyle::SP_DriveCDIcon));
}

void TAuthorForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({ActionNew, ActionOpen, ActionSave, ActionSaveAs});
    file->addSeparator();
    file->addAction(ActionBuildImage);
    file->addSeparator();
    file->addAction(ActionQuit);
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({ActionUndo, ActionRedo});
    edit->addSeparator();
    edit->addActions(
        {ActionAddClips, ActionAddGroup, ActionRemove, ActionMoveUp, ActionMoveDown, ActionRename});
    QMenu* marks = menuBar()->addMenu(tr("&Marks"));
    marks->addActions({ActionPlayBack, ActionPause, ActionPlay, ActionStepBack, ActionStepForward});
    marks->addSeparator();
    marks->addActions({ActionMarkIn, ActionMarkOut, ActionRehearse, ActionRehearseAll});
    QMenu* pictures = menuBar()->addMenu(tr("&Picture"));
    pictures->addActions({ActionGrabPicture, ActionImportPicture});

    QToolBar* tools = addToolBar(tr("Disc"));
    tools->setObjectName(QStringLiteral("DiscBar"));
    tools->addActions({ActionNew, ActionOpen, ActionSave});
    tools->addSeparator();
    tools->addActions({ActionUndo, ActionRedo});
    tools->addSeparator();
    tools->addActions({ActionAddClips, ActionRemove});
    tools->addSeparator();
    tools->addAction(ActionBuildImage);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TAuthorForm::CreateDocks() {
    ChecksDock = new QDockWidget(tr("Checks"), this);
    ChecksDock->setObjectName(QStringLiteral("ChecksDock"));
    ChecksDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* top = new QHBoxLayout;
    top->addWidget(ChecksSummary, 1);
    VolumesButton = new QPushButton(tr("Split into volumes…"));
    VolumesButton->hide();
    connect(VolumesButton, &QPushButton::clicked, this, &TAuthorForm::VolumesButtonClicked);
    top->addWidget(VolumesButton);
    layout->addLayout(top);
    layout->addWidget(ChecksList);
    ChecksDock->setWidget(panel);
    addDockWidget(Qt::BottomDockWidgetArea, ChecksDock);
}

// ---- Title, actions, tree ----

void TAuthorForm::UpdateTitle() {
    QString name = Project->VolumeLabel();
    if (name.isEmpty() && !Project->Location().isEmpty())
        name = QFileInfo(Project->Location()).fileName();
    if (name.isEmpty())
        name = Project->Count() ? tr("New disc") : tr("No disc");
    if (Project->IsReadOnly())
        name += tr(" (read-only)");
    setWindowTitle(tr("%1[*] — Quorvix Author").arg(name));
    setWindowModified(Project->IsModified());
}

void TAuthorForm::UpdateActions() {
    const bool any = Project->Count() > 0;
    const bool entry = SelectedRecord() >= 0;
    const bool row = Tree->currentItem() != nullptr;
    ActionSave->setEnabled(any);
    ActionSaveAs->setEnabled(any);
    ActionBuildImage->setEnabled(any && !Build);
    ActionRemove->setEnabled(row);
    ActionMoveUp->setEnabled(row);
    ActionMoveDown->setEnabled(row);
    ActionRename->setEnabled(row);
    for (QAction* action :
         {ActionMarkIn, ActionMarkOut, ActionStepBack, ActionStepForward, ActionPlayBack,
          ActionPause, ActionPlay, ActionRehearse, ActionGrabPicture, ActionImportPicture})
        action->setEnabled(entry);
    ActionRehearseAll->setEnabled(any);
}

int TAuthorForm::SelectedRecord() const {
    const QTreeWidgetItem* item = Tree->currentItem();
    if (!item || item->data(ColTitle, RoleKind).toInt() != RowEntry)
        return -1;
    return item->data(ColTitle, RoleRecord).toInt();
}

QTreeWidgetItem* TAuthorForm::EntryItem(int index) const {
    for (int g = 0; g < Tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = Tree->topLevelItem(g);
        for (int e = 0; e < group->childCount(); ++e)
            if (group->child(e)->data(ColTitle, RoleRecord).toInt() == index)
                return group->child(e);
    }
    return nullptr;
}

QTreeWidgetItem* TAuthorForm::GroupItem(int index) const {
    for (int g = 0; g < Tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = Tree->topLevelItem(g);
        const int first = group->data(ColTitle, RoleRecord).toInt();
        if (index >= first && index < first + group->data(ColTitle, RoleCount).toInt())
            return group;
    }
    return nullptr;
}

void TAuthorForm::SelectRecord(int index) {
    if (QTreeWidgetItem* item = EntryItem(index))
        Tree->setCurrentItem(item);
}

bool TAuthorForm::IsChecked(int index) const {
    return index >= 0 && index < Project->Count() &&
           !(index < static_cast<int>(Unchecked.size()) && Unchecked[index]);
}

void TAuthorForm::SetChecked(int index, bool checked) {
    if (QTreeWidgetItem* item = EntryItem(index))
        item->setCheckState(ColTitle, checked ? Qt::Checked : Qt::Unchecked);
}

void TAuthorForm::FillGroup(QTreeWidgetItem* group, const TGroupRun& run) {
    group->setText(ColTitle, run.Name);
    group->setData(ColTitle, RoleKey, run.Key);
}

void TAuthorForm::FillEntry(QTreeWidgetItem* entry, int index) {
    const CatalogRecord& record = Project->Record(index);
    entry->setText(ColTitle, EntryTitle(record));
    entry->setText(ColMedia, MediaNameOf(record));
    entry->setText(ColStart, Seconds(record.StartPos));
    entry->setText(ColEnd, record.EndPos > 0.0 ? Seconds(record.EndPos) : tr("end"));
    const bool pictured = !Project->PictureFile(MediaNameOf(record)).isEmpty();
    entry->setText(ColPicture, pictured ? tr("yes") : tr("none"));
    entry->setIcon(ColPicture,
                   pictured ? QIcon() : style()->standardIcon(QStyle::SP_MessageBoxWarning));
    entry->setToolTip(ColPicture,
                      pictured ? QString() : tr("No picture: the player shows its own"));
}

void TAuthorForm::RebuildTree() {
    const std::vector<TGroupRun> runs = Project->Groups();
    Unchecked.resize(Project->Count(), false);
    // The same rows: their texts change in place, and an editor open on one
    // of them (the user typing on) stays.
    bool same = Tree->topLevelItemCount() == static_cast<int>(runs.size());
    for (int g = 0; same && g < static_cast<int>(runs.size()); ++g) {
        const QTreeWidgetItem* group = Tree->topLevelItem(g);
        same = group->data(ColTitle, RoleRecord).toInt() == runs[g].First &&
               group->childCount() == runs[g].Count;
    }
    if (same) {
        Rebuilding = true;
        for (int g = 0; g < static_cast<int>(runs.size()); ++g) {
            QTreeWidgetItem* group = Tree->topLevelItem(g);
            FillGroup(group, runs[g]);
            for (int e = 0; e < runs[g].Count; ++e)
                FillEntry(group->child(e), runs[g].First + e);
        }
        for (int column = ColMedia; column < ColumnCount; ++column)
            Tree->resizeColumnToContents(column);
        Rebuilding = false;
        return;
    }

    const int selected = SelectedRecord();
    const QTreeWidgetItem* current = Tree->currentItem();
    const int selectedGroup = current && current->data(ColTitle, RoleKind).toInt() == RowGroup
                                  ? current->data(ColTitle, RoleRecord).toInt()
                                  : -1;
    Rebuilding = true;
    Tree->clear();
    QTreeWidgetItem* toSelect = nullptr;
    for (const TGroupRun& run : runs) {
        auto* group = new QTreeWidgetItem(Tree);
        FillGroup(group, run);
        group->setData(ColTitle, RoleKind, RowGroup);
        group->setData(ColTitle, RoleRecord, run.First);
        group->setData(ColTitle, RoleCount, run.Count);
        group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                        Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
        QFont bold = group->font(ColTitle);
        bold.setBold(true);
        group->setFont(ColTitle, bold);
        if (run.First == selectedGroup)
            toSelect = group;
        for (int i = run.First; i < run.First + run.Count; ++i) {
            auto* entry = new QTreeWidgetItem(group);
            FillEntry(entry, i);
            entry->setData(ColTitle, RoleKind, RowEntry);
            entry->setData(ColTitle, RoleRecord, i);
            entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                            Qt::ItemIsDragEnabled | Qt::ItemIsUserCheckable);
            entry->setCheckState(ColTitle, Unchecked[i] ? Qt::Unchecked : Qt::Checked);
            if (i == selected)
                toSelect = entry;
        }
    }
    Tree->expandAll();
    for (int column = ColMedia; column < ColumnCount; ++column)
        Tree->resizeColumnToContents(column);
    Rebuilding = false;
    if (toSelect)
        Tree->setCurrentItem(toSelect);
    else if (Tree->topLevelItemCount() && Tree->topLevelItem(0)->childCount() && selected < 0 &&
             selectedGroup < 0)
        Tree->setCurrentItem(Tree->topLevelItem(0)->child(0));
    else if (!Tree->currentItem())
        TreeCurrentItemChanged(nullptr);
}

// ---- Project ----

void TAuthorForm::ProjectChanged() {
    RebuildTree();
    UpdateTitle();
    UpdateActions();
    ChecksTimer->start();
    // The marks of the entry in the preview may have moved with it.
    if (Shown >= 0 && Shown < Project->Count()) {
        const CatalogRecord& record = Project->Record(Shown);
        PositionBar->SetMarks(record.StartPos, record.EndPos);
    }
}

bool TAuthorForm::Edit(const QString& text, const std::function<void()>& redo,
                       const std::function<void()>& undo) {
    try {
        redo();
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
        return false;
    }
    Undo1->push(new TProjectEdit(text, redo, undo, [this](const QString& why) { Tell(why); }));
    return true;
}

void TAuthorForm::Tell(const QString& text) {
    statusBar()->showMessage(text, 10000);
    if (MessageBox1)
        MessageBox1->close();
    MessageBox1 =
        new QMessageBox(QMessageBox::Warning, tr("Quorvix Author"), text, QMessageBox::Ok, this);
    MessageBox1->setAttribute(Qt::WA_DeleteOnClose);
    MessageBox1->open(); // the window goes on: a test or a preview never waits on it
}

bool TAuthorForm::Confirmed() {
    if (!Project->IsModified())
        return true;
    const int answer = AskUnsaved();
    if (answer == QMessageBox::Save) {
        ActionSaveTriggered();
        return !Project->IsModified();
    }
    return answer == QMessageBox::Discard;
}

void TAuthorForm::Open(const std::function<void()>& load) {
    EndRehearsal();
    Preview->SetFileName({});
    PreviewFile.clear();
    Shown = -1;
    try {
        load();
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
        return;
    }
    Undo1->clear();
    Unchecked.assign(Project->Count(), false);
    // Built anew for the new disc, its first entry selected.
    Rebuilding = true;
    Tree->clear();
    Rebuilding = false;
    ProjectChanged();
}

void TAuthorForm::ActionNewTriggered() {
    if (!Confirmed())
        return;
    const QString folder = ChooseFolder(tr("A folder of clips"));
    if (!folder.isEmpty())
        Open([&] { Project->NewFromFolder(folder); });
}

void TAuthorForm::ActionOpenTriggered() {
    if (!Confirmed())
        return;
    const QString path = ChooseOpenFile(
        tr("A disc's catalog or a disc image"),
        Filter(tr("Disc images or catalogs"), "*.iso *.ISO All.dat ALL.DAT") + AllFiles());
    if (path.isEmpty())
        return;
    // A catalog names its disc folder: the one above Data/.
    const QFileInfo info(path);
    QString disc = path;
    if (info.fileName().compare(QLatin1String("All.dat"), Qt::CaseInsensitive) == 0)
        disc = info.dir().absolutePath() + QStringLiteral("/..");
    Open([&] { Project->Open(QDir::cleanPath(disc)); });
}

void TAuthorForm::ActionSaveTriggered() {
    if (Project->Location().isEmpty() || Project->IsReadOnly()) {
        ActionSaveAsTriggered();
        return;
    }
    try {
        Project->Save();
        Undo1->setClean();
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
    }
    UpdateTitle();
}

void TAuthorForm::ActionSaveAsTriggered() {
    const QString folder = ChooseFolder(tr("Save the disc into a folder"));
    if (folder.isEmpty())
        return;
    try {
        Project->SaveAs(folder);
        Undo1->setClean();
        statusBar()->showMessage(tr("Saved in %1").arg(folder), 5000);
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
    }
    UpdateTitle();
}

void TAuthorForm::ApplyPendingCommit() {
    if (const auto commit = std::exchange(PendingCommit, nullptr))
        commit();
}

// A command that came with the Enter (Ctrl+S at once) is handled before the
// view commits the text: the text is committed and applied first.
void TAuthorForm::FinishEdits() {
    Tree->FinishEditing();
    ApplyPendingCommit();
}

void TAuthorForm::closeEvent(QCloseEvent* event) {
    FinishEdits();
    if (Confirmed())
        event->accept();
    else
        event->ignore();
}

// ---- Catalog edits ----

void TAuthorForm::TreeItemChanged(QTreeWidgetItem* item, int column) {
    if (Rebuilding || column != ColTitle || item->data(ColTitle, RoleKind).toInt() != RowEntry)
        return;
    const int index = item->data(ColTitle, RoleRecord).toInt();
    if (index >= 0 && index < Project->Count())
        Unchecked[index] = item->checkState(ColTitle) != Qt::Checked;
}

void TAuthorForm::TreeTextCommitted(QTreeWidgetItem* item, int column, const QString& text) {
    const QString problem = CatalogTextProblem(text);
    if (!problem.isEmpty()) {
        // Refused: the record keeps its text, and the user is told why.
        Tell(problem);
        return;
    }
    const int index = item->data(ColTitle, RoleRecord).toInt();
    if (item->data(ColTitle, RoleKind).toInt() == RowGroup) {
        if (column != ColTitle)
            return;
        const int count = item->data(ColTitle, RoleCount).toInt();
        std::vector<QString> old;
        for (int i = index; i < index + count; ++i)
            old.push_back(GroupTitle(Project->Record(i)));
        // The run only: a key that reappears elsewhere is another group of the tree.
        Edit(
            tr("Rename group"),
            [this, index, count, text] {
                for (int i = index; i < index + count; ++i)
                    Project->SetGroupName(i, text);
            },
            [this, index, old] {
                for (int i = 0; i < static_cast<int>(old.size()); ++i)
                    Project->SetGroupName(index + i, old[i]);
            });
        return;
    }
    const CatalogRecord& record = Project->Record(index);
    if (column == ColTitle) {
        const QString old = EntryTitle(record);
        Edit(
            tr("Rename entry"), [this, index, text] { Project->SetTitle(index, text); },
            [this, index, old] { Project->SetTitle(index, old); });
    } else if (column == ColMedia) {
        const QString old = MediaNameOf(record);
        Edit(
            tr("Rename media"), [this, old, text] { Project->RenameMedia(old, text); },
            [this, old, text] { Project->RenameMedia(text, old); });
    }
}

void TAuthorForm::ActionRenameTriggered() {
    if (QTreeWidgetItem* item = Tree->currentItem())
        Tree->editItem(item, ColTitle);
}

void TAuthorForm::ActionAddClipsTriggered() {
    const QStringList clips = ChooseOpenFiles(tr("Clips to add"), ClipFilter());
    if (clips.isEmpty())
        return;
    int at = Project->Count();
    uint8_t key = 0;
    QString name;
    const QTreeWidgetItem* item = Tree->currentItem();
    if (item) {
        const int first = item->data(ColTitle, RoleRecord).toInt();
        const bool isGroup = item->data(ColTitle, RoleKind).toInt() == RowGroup;
        const CatalogRecord& record = Project->Record(first);
        key = record.GroupKey;
        name = GroupTitle(record);
        at = isGroup ? first + item->data(ColTitle, RoleCount).toInt() : first + 1;
    } else {
        try {
            key = Project->UnusedGroupKey();
        } catch (const std::exception& error) {
            Tell(QString::fromStdString(error.what()));
            return;
        }
        name = tr("New group");
    }
    std::vector<CatalogRecord> records;
    try {
        for (const QString& clip : clips)
            records.push_back(Project->ClipRecord(clip, key, name));
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
        return;
    }
    const int count = static_cast<int>(records.size());
    if (Edit(
            tr("Add clips"), [this, at, records] { Project->InsertRecords(at, records); },
            [this, at, count] { Project->RemoveRecords(at, count); }))
        SelectRecord(at);
}

void TAuthorForm::ActionAddGroupTriggered() {
    const QStringList clips = ChooseOpenFiles(tr("Clips of the new group"), ClipFilter());
    if (clips.isEmpty())
        return;
    int at = Project->Count();
    if (const QTreeWidgetItem* item = Tree->currentItem()) {
        const QTreeWidgetItem* group = item->parent() ? item->parent() : item;
        at = group->data(ColTitle, RoleRecord).toInt() + group->data(ColTitle, RoleCount).toInt();
    }
    std::vector<CatalogRecord> records;
    try {
        const uint8_t key = Project->UnusedGroupKey();
        for (const QString& clip : clips)
            records.push_back(Project->ClipRecord(clip, key, tr("New group")));
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
        return;
    }
    const int count = static_cast<int>(records.size());
    if (Edit(
            tr("Add group"), [this, at, records] { Project->InsertRecords(at, records); },
            [this, at, count] { Project->RemoveRecords(at, count); })) {
        if (QTreeWidgetItem* group = GroupItem(at)) {
            Tree->setCurrentItem(group);
            Tree->editItem(group, ColTitle);
        }
    }
}

void TAuthorForm::ActionRemoveTriggered() {
    const QTreeWidgetItem* item = Tree->currentItem();
    if (!item)
        return;
    const int first = item->data(ColTitle, RoleRecord).toInt();
    const bool isGroup = item->data(ColTitle, RoleKind).toInt() == RowGroup;
    const int count = isGroup ? item->data(ColTitle, RoleCount).toInt() : 1;
    if (first <= Shown && Shown < first + count) {
        EndRehearsal();
        Preview->SetFileName({});
        PreviewFile.clear();
        Shown = -1;
    }
    auto removed = std::make_shared<std::vector<CatalogRecord>>();
    if (Edit(
            isGroup ? tr("Remove group") : tr("Remove entry"),
            [this, first, count, removed] { *removed = Project->RemoveRecords(first, count); },
            [this, first, removed] { Project->InsertRecords(first, *removed); }))
        SelectRecord(std::min(first, Project->Count() - 1));
}

void TAuthorForm::MoveRecords(const QString& text, int first, int count, int dest,
                              std::optional<std::pair<uint8_t, QString>> group) {
    // dest is a place in the catalog as it stands; MoveRecords wants it in
    // the catalog without the moved records.
    if (dest >= first && dest <= first + count && !group)
        return;
    const int to = dest > first ? dest - count : dest;
    std::vector<CatalogRecord> before;
    for (int i = first; i < first + count; ++i)
        before.push_back(Project->Record(i));
    const bool moved = Edit(
        text,
        [this, first, count, to, group] {
            if (to != first)
                Project->MoveRecords(first, count, to);
            if (group)
                for (int i = to; i < to + count; ++i) {
                    CatalogRecord record = Project->Record(i);
                    record.GroupKey = group->first;
                    SetShortString(record.GroupName, QStringToAnsi(group->second).toStdString());
                    Project->ReplaceRecord(i, record);
                }
        },
        [this, first, count, to, before, group] {
            if (group)
                for (int i = 0; i < count; ++i)
                    Project->ReplaceRecord(to + i, before[i]);
            if (to != first)
                Project->MoveRecords(to, count, first);
        });
    if (moved)
        SelectRecord(to);
}

void TAuthorForm::MoveSelected(int step) {
    QTreeWidgetItem* item = Tree->currentItem();
    if (!item)
        return;
    const int first = item->data(ColTitle, RoleRecord).toInt();
    if (item->data(ColTitle, RoleKind).toInt() == RowEntry) {
        // Within its group: across a group's edge the entry would split it.
        const QTreeWidgetItem* group = item->parent();
        const int groupFirst = group->data(ColTitle, RoleRecord).toInt();
        const int groupEnd = groupFirst + group->data(ColTitle, RoleCount).toInt();
        const int dest = step < 0 ? first - 1 : first + 2;
        if (dest < groupFirst || dest > groupEnd)
            return;
        MoveRecords(step < 0 ? tr("Move entry up") : tr("Move entry down"), first, 1, dest);
        return;
    }
    const int count = item->data(ColTitle, RoleCount).toInt();
    const int row = Tree->indexOfTopLevelItem(item);
    const QTreeWidgetItem* neighbour = Tree->topLevelItem(row + step);
    if (!neighbour)
        return;
    const int other = neighbour->data(ColTitle, RoleRecord).toInt();
    const int dest = step < 0 ? other : other + neighbour->data(ColTitle, RoleCount).toInt();
    MoveRecords(step < 0 ? tr("Move group up") : tr("Move group down"), first, count, dest);
    if (QTreeWidgetItem* moved = GroupItem(step < 0 ? other : first + (dest - first - count)))
        Tree->setCurrentItem(moved);
}

void TAuthorForm::ActionMoveUpTriggered() {
    MoveSelected(-1);
}

void TAuthorForm::ActionMoveDownTriggered() {
    MoveSelected(+1);
}

void TAuthorForm::DropRow(QTreeWidgetItem* dragged, QTreeWidgetItem* target, TDropPlace where) {
    if (!dragged || !target || dragged == target)
        return;
    const bool draggedGroup = dragged->data(ColTitle, RoleKind).toInt() == RowGroup;
    const int first = dragged->data(ColTitle, RoleRecord).toInt();
    const int count = draggedGroup ? dragged->data(ColTitle, RoleCount).toInt() : 1;
    const bool targetGroup = target->data(ColTitle, RoleKind).toInt() == RowGroup;
    const int targetIndex = target->data(ColTitle, RoleRecord).toInt();
    const bool above = where == TDropPlace::Above;
    if (draggedGroup) {
        // A group goes before or after a whole group, never into one.
        const QTreeWidgetItem* group = targetGroup ? target : target->parent();
        const int groupFirst = group->data(ColTitle, RoleRecord).toInt();
        const int groupEnd = groupFirst + group->data(ColTitle, RoleCount).toInt();
        const bool before = above && (targetGroup || targetIndex == groupFirst);
        MoveRecords(tr("Move group"), first, count, before ? groupFirst : groupEnd);
        if (QTreeWidgetItem* moved =
                GroupItem(before ? (groupFirst > first ? groupFirst - count : groupFirst)
                                 : (groupEnd > first ? groupEnd - count : groupEnd)))
            Tree->setCurrentItem(moved);
        return;
    }
    // An entry joins the group it is dropped into, keeping its place there.
    const QTreeWidgetItem* group = targetGroup ? target : target->parent();
    const int groupFirst = group->data(ColTitle, RoleRecord).toInt();
    const int groupEnd = groupFirst + group->data(ColTitle, RoleCount).toInt();
    int dest;
    if (targetGroup)
        dest = above ? groupFirst : groupEnd;
    else
        dest = above ? targetIndex : targetIndex + 1;
    const CatalogRecord& into = Project->Record(groupFirst);
    const CatalogRecord& own = Project->Record(first);
    std::optional<std::pair<uint8_t, QString>> regroup;
    if (first < groupFirst || first >= groupEnd)
        if (into.GroupKey != own.GroupKey || GroupTitle(into) != GroupTitle(own))
            regroup = std::make_pair(into.GroupKey, GroupTitle(into));
    MoveRecords(tr("Move entry"), first, 1, dest, regroup);
}

// ---- Preview and marks ----

void TAuthorForm::TreeCurrentItemChanged(QTreeWidgetItem*) {
    if (Rebuilding)
        return;
    UpdateActions();
    const int index = SelectedRecord();
    if (index >= 0 && index != Shown)
        ShowEntry(index);
    else if (index >= 0 && Shown == index) {
        const CatalogRecord& record = Project->Record(index);
        PositionBar->SetMarks(record.StartPos, record.EndPos);
    }
}

void TAuthorForm::ShowEntry(int index) {
    if (IsRehearsing() && Queue.empty())
        EndRehearsal();
    Shown = index;
    const CatalogRecord& record = Project->Record(index);
    PositionBar->SetMarks(record.StartPos, record.EndPos);
    const QString file = Project->MediaFile(MediaNameOf(record));
    try {
        if (file != PreviewFile || Preview->FileName().isEmpty()) {
            PreviewFile = file;
            Preview->SetFileName(file);
        }
        if (!file.isEmpty())
            Preview->SetCurrentPosition(record.StartPos);
    } catch (const std::exception& error) {
        PreviewFile.clear();
        statusBar()->showMessage(QString::fromStdString(error.what()), 10000);
    }
    PreviewTimer->start();
}

void TAuthorForm::PreviewTimerTimer() {
    if (Shown < 0)
        return;
    const double now = Preview->ShownFrameTime();
    PositionBar->SetDuration(Preview->Duration());
    PositionBar->SetPosition(now);
    TimeLabel->setText(tr("%1 / %2").arg(Seconds(now), Seconds(Preview->Duration())));
    if (RehearseEnd && Preview->PlayState() == mpPlaying && now >= *RehearseEnd)
        PreviewEndOfStream();
}

void TAuthorForm::PreviewEndOfStream() {
    if (!IsRehearsing())
        return;
    Preview->Pause();
    if (Queue.empty()) {
        EndRehearsal();
        statusBar()->showMessage(tr("Rehearsal done"), 5000);
        return;
    }
    const int next = Queue.front();
    Queue.erase(Queue.begin());
    StartRehearsal(next);
}

void TAuthorForm::StartRehearsal(int index) {
    SelectRecord(index);
    if (Shown != index)
        ShowEntry(index);
    const CatalogRecord& record = Project->Record(index);
    // End 0 runs to the end of the file, where the engine says so itself.
    RehearseEnd = record.EndPos > 0.0 ? record.EndPos : 1e300;
    try {
        Preview->SetCurrentPosition(record.StartPos);
        Preview->Play();
        statusBar()->showMessage(tr("Rehearsing “%1”").arg(EntryTitle(record)));
    } catch (const std::exception& error) {
        EndRehearsal();
        Tell(QString::fromStdString(error.what()));
    }
}

void TAuthorForm::EndRehearsal() {
    RehearseEnd.reset();
    Queue.clear();
}

void TAuthorForm::ActionRehearseTriggered() {
    const int index = SelectedRecord();
    if (index < 0)
        return;
    Queue.clear();
    StartRehearsal(index);
}

void TAuthorForm::ActionRehearseAllTriggered() {
    // The player's own order: the checked entries as the tree shows them.
    std::vector<int> order;
    for (int i = 0; i < Project->Count(); ++i)
        if (IsChecked(i))
            order.push_back(i);
    if (order.empty()) {
        Tell(tr("No entry is checked"));
        return;
    }
    Queue.assign(order.begin() + 1, order.end());
    StartRehearsal(order.front());
}

void TAuthorForm::ActionPlayBackTriggered() {
    if (Shown < 0)
        return;
    // The engine can't play backwards: each press goes back a second.
    Preview->SetCurrentPosition(std::max(0.0, Preview->ShownFrameTime() - 1.0));
}

void TAuthorForm::ActionPauseTriggered() {
    if (Shown < 0)
        return;
    EndRehearsal();
    Preview->Pause();
}

void TAuthorForm::ActionPlayTriggered() {
    if (Shown >= 0)
        Preview->Play();
}

void TAuthorForm::ActionStepBackTriggered() {
    if (Shown < 0)
        return;
    EndRehearsal();
    Preview->StepFrame(false);
}

void TAuthorForm::ActionStepForwardTriggered() {
    if (Shown < 0)
        return;
    EndRehearsal();
    Preview->StepFrame(true);
}

void TAuthorForm::ActionMarkInTriggered() {
    const int index = SelectedRecord();
    if (index < 0 || index != Shown)
        return;
    const double at = Preview->ShownFrameTime();
    const CatalogRecord& record = Project->Record(index);
    const double start = record.StartPos;
    const double end = record.EndPos;
    if (end > 0.0 && end <= at) {
        Tell(tr("The start mark %1 would not come before the end mark %2")
                 .arg(Seconds(at), Seconds(end)));
        return;
    }
    Edit(
        tr("Mark in"), [this, index, at, end] { Project->SetMarks(index, at, end); },
        [this, index, start, end] { Project->SetMarks(index, start, end); });
}

void TAuthorForm::ActionMarkOutTriggered() {
    const int index = SelectedRecord();
    if (index < 0 || index != Shown)
        return;
    const double at = Preview->ShownFrameTime();
    const CatalogRecord& record = Project->Record(index);
    const double start = record.StartPos;
    const double end = record.EndPos;
    if (at <= start) {
        Tell(tr("The end mark %1 would not come after the start mark %2")
                 .arg(Seconds(at), Seconds(start)));
        return;
    }
    Edit(
        tr("Mark out"), [this, index, start, at] { Project->SetMarks(index, start, at); },
        [this, index, start, end] { Project->SetMarks(index, start, end); });
}

// ---- Pictures ----

void TAuthorForm::ActionGrabPictureTriggered() {
    const int index = SelectedRecord();
    if (index < 0 || index != Shown)
        return;
    GrabFor = index;
    if (!Preview->GrabFrame()) {
        GrabFor = -1;
        Tell(tr("There is no picture on screen to take"));
    }
}

void TAuthorForm::PreviewFrameGrabbed(const QImage& frame) {
    const int index = GrabFor;
    GrabFor = -1;
    if (index < 0 || index >= Project->Count())
        return;
    if (frame.isNull()) {
        Tell(tr("The picture on screen could not be taken"));
        return;
    }
    if (!Pictures)
        Pictures = std::make_unique<QTemporaryDir>();
    const QString media = MediaNameOf(Project->Record(index));
    const QImage scaled =
        frame.scaled(PictureWidth, PictureHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    const QString path = Pictures->filePath(QStringLiteral("%1-%2.jpg").arg(++Grabs).arg(media));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeJpeg(scaled)) < 0 || !file.flush()) {
        Tell(tr("%1: %2").arg(path, file.errorString()));
        return;
    }
    file.close();
    SetPictureFile(media, path, tr("Grab picture"));
}

void TAuthorForm::ActionImportPictureTriggered() {
    const int index = SelectedRecord();
    if (index < 0)
        return;
    const QString path = ChooseOpenFile(tr("The entry's picture"),
                                        Filter(tr("JPEG pictures"), "*.jpg *.jpeg *.JPG *.JPEG"));
    if (path.isEmpty())
        return;
    try {
        (void)LoadJpegFile(path, QSize(PictureWidth, PictureHeight));
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
        return;
    }
    SetPictureFile(MediaNameOf(Project->Record(index)), path, tr("Import picture"));
}

void TAuthorForm::SetPictureFile(const QString& mediaName, const QString& jpeg,
                                 const QString& text) {
    const QString old = Project->PictureFile(mediaName);
    Edit(
        text, [this, mediaName, jpeg] { Project->SetPicture(mediaName, jpeg); },
        [this, mediaName, old] {
            if (old.isEmpty())
                Project->ForgetPicture(mediaName);
            else
                Project->SetPicture(mediaName, old);
        });
}

// ---- Checks ----

std::optional<double> TAuthorForm::Duration(const QString& path) {
    const QFileInfo info(path);
    const auto cached = Durations.constFind(path);
    if (cached != Durations.constEnd() && cached->Modified == info.lastModified() &&
        cached->Size == info.size())
        return cached->Seconds;
    const std::optional<double> seconds = MediaFileDuration(path);
    Durations.insert(path, {info.lastModified(), info.size(), seconds});
    return seconds;
}

void TAuthorForm::RecheckNow() {
    ChecksTimer->stop();
    try {
        Checks = CheckProject(*Project, [this](const QString& path) { return Duration(path); });
    } catch (const std::exception& error) {
        Checks = {};
        Checks.Findings.push_back({TSeverity::Error, QString::fromStdString(error.what()), -1});
    }
    ShowReport();
}

void TAuthorForm::ShowReport() {
    ChecksList->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const TCheckFinding& finding : Checks.Findings) {
        auto* item = new QListWidgetItem(finding.Severity == TSeverity::Error ? error : warning,
                                         finding.Text, ChecksList);
        item->setData(Qt::UserRole, finding.Record);
    }
    const double megabytes = double(Checks.DiscBytes) / (1024.0 * 1024.0);
    QString summary = tr("%1, %2 MB; %3, %4")
                          .arg(tr("%n entries", nullptr, Project->Count()))
                          .arg(megabytes, 0, 'f', 1)
                          .arg(tr("%n errors", nullptr, Checks.Errors()),
                               tr("%n warnings", nullptr, Checks.Warnings()));
    if (!Checks.Volumes.empty())
        summary += tr("; the clips need %n discs", nullptr, int(Checks.Volumes.size()));
    ChecksSummary->setText(summary);
    StatusLabel->setText(summary);
    VolumesButton->setVisible(!Checks.Volumes.empty());
}

void TAuthorForm::ChecksListItemClicked(QListWidgetItem* item) {
    const int index = item ? item->data(Qt::UserRole).toInt() : -1;
    if (index >= 0 && index < Project->Count()) {
        SelectRecord(index);
        Tree->setFocus();
    }
}

void TAuthorForm::VolumesButtonClicked() {
    if (Checks.Volumes.empty())
        return;
    QString plan;
    for (const TVolumeProposal& volume : Checks.Volumes)
        plan += tr("Volume %1: %2, %3 MB\n")
                    .arg(volume.Volume)
                    .arg(tr("%n entries", nullptr, int(volume.Records.size())))
                    .arg(double(volume.Bytes) / (1024.0 * 1024.0), 0, 'f', 1);
    if (Project->IsModified() || Project->Location().isEmpty()) {
        Tell(tr("Save the disc first; then each volume is written from it.\n\n") + plan);
        return;
    }
    if (QMessageBox::question(this, tr("Quorvix Author"),
                              tr("Write these discs, each into a folder of its own, with the "
                                 "same settings file name?\n\n") +
                                  plan) != QMessageBox::Yes)
        return;
    const QString parent = ChooseFolder(tr("A folder for the volumes"));
    if (parent.isEmpty())
        return;
    try {
        WriteVolumes(Project->Location(), Checks.Volumes, parent);
        statusBar()->showMessage(tr("Volumes written in %1").arg(parent), 10000);
    } catch (const std::exception& error) {
        Tell(QString::fromStdString(error.what()));
    }
}

// ---- Image ----

void TAuthorForm::ActionBuildImageTriggered() {
    if (Build)
        return;
    QString image = ChooseSaveFile(tr("Build the disc image"), Filter(tr("Disc images"), "*.iso"));
    if (image.isEmpty())
        return;
    if (QFileInfo(image).suffix().isEmpty())
        image += QStringLiteral(".iso");
    Build = std::make_unique<TImageBuild>();
    connect(Build.get(), &TImageBuild::Progress, this, &TAuthorForm::BuildProgress);
    connect(Build.get(), &TImageBuild::Finished, this, &TAuthorForm::BuildFinished);
    try {
        Build->Start(*Project, image);
    } catch (const std::exception& error) {
        Build.reset();
        Tell(QString::fromStdString(error.what()));
        return;
    }
    BuildTarget = image;
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    statusBar()->showMessage(tr("Building %1…").arg(image));
    UpdateActions();
}

void TAuthorForm::BuildProgress(double percent) {
    ProgressBar1->setValue(static_cast<int>(std::clamp(percent, 0.0, 100.0)));
}

void TAuthorForm::BuildFinished(bool ok) {
    const QStringList failures = Build ? Build->Failures() : QStringList();
    // Not from inside its own signal.
    if (Build)
        Build.release()->deleteLater();
    ProgressBar1->hide();
    UpdateActions();
    if (ok) {
        statusBar()->showMessage(tr("Built and checked: %1").arg(BuildTarget), 10000);
        MessageBox1 = new QMessageBox(
            QMessageBox::Information, tr("Quorvix Author"),
            tr("The image %1 was built. Mounted as the player meets it, its catalog loads "
               "and every entry's files are found.")
                .arg(BuildTarget),
            QMessageBox::Ok, this);
        MessageBox1->setAttribute(Qt::WA_DeleteOnClose);
        MessageBox1->open();
        return;
    }
    Tell(tr("The image %1 failed:\n%2").arg(BuildTarget, failures.join(QLatin1Char('\n'))));
}
