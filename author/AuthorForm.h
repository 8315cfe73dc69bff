#pragma once
// The disc author's window: the catalog of a disc project as a tree edited in
// place, a preview to set marks and take pictures while watching, the disc
// check always on, and the image build. Every edit is one step of the undo
// history.

#include "author/DiscChecks.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDockWidget;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QTemporaryDir;
class QTimer;
class QTreeWidgetItem;
class QUndoStack;
class TAuthorTree;
enum class TDropPlace;
class TDiscProject;
struct TGroupRun;
class TImageBuild;
class TMarkBar;
class TWinMediaPlayer;

class TAuthorForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TAuthorForm(QWidget* parent = nullptr);
    ~TAuthorForm() override;

    // What the window asks the user through dialogs; tests answer instead.
    std::function<QString(const QString& title)> ChooseFolder;
    std::function<QString(const QString& title, const QString& filter)> ChooseOpenFile;
    std::function<QStringList(const QString& title, const QString& filter)> ChooseOpenFiles;
    std::function<QString(const QString& title, const QString& filter)> ChooseSaveFile;
    // Unsaved changes would be dropped: Save, Discard or Cancel.
    std::function<int()> AskUnsaved;

    // Components.
    TDiscProject* Project;
    QUndoStack* Undo1;
    TAuthorTree* Tree;
    TWinMediaPlayer* Preview;
    TMarkBar* PositionBar;
    QLabel* TimeLabel;
    QDockWidget* ChecksDock;
    QListWidget* ChecksList;
    QLabel* ChecksSummary;
    QPushButton* VolumesButton;
    QLabel* StatusLabel;
    QProgressBar* ProgressBar1;
    QTimer* PreviewTimer;
    QTimer* ChecksTimer;
    QPointer<QMessageBox> MessageBox1; // the last message, while it is open

    QAction* ActionNew;
    QAction* ActionOpen;
    QAction* ActionSave;
    QAction* ActionSaveAs;
    QAction* ActionBuildImage;
    QAction* ActionQuit;
    QAction* ActionUndo;
    QAction* ActionRedo;
    QAction* ActionAddClips;
    QAction* ActionAddGroup;
    QAction* ActionRemove;
    QAction* ActionMoveUp;
    QAction* ActionMoveDown;
    QAction* ActionRename;
    QAction* ActionMarkIn;
    QAction* ActionMarkOut;
    QAction* ActionStepBack;
    QAction* ActionStepForward;
    QAction* ActionPlayBack;
    QAction* ActionPause;
    QAction* ActionPlay;
    QAction* ActionRehearse;
    QAction* ActionRehearseAll;
    QAction* ActionGrabPicture;
    QAction* ActionImportPicture;

    // The record of the selected entry, -1 for a group or none.
    int SelectedRecord() const;
    void SelectRecord(int index);
    // The tree row of a record, or of the group that starts at it.
    QTreeWidgetItem* EntryItem(int index) const;
    QTreeWidgetItem* GroupItem(int index) const;
    // Whether an entry is checked for "Rehearse all".
    bool IsChecked(int index) const;
    void SetChecked(int index, bool checked);
    // The entries "Rehearse all" has still to play, in order.
    const std::vector<int>& RehearsalQueue() const { return Queue; }
    bool IsRehearsing() const { return RehearseEnd.has_value(); }
    const TCheckReport& Report() const { return Checks; }
    void RecheckNow();
    // Moves records as a drag onto the target row would.
    void DropRow(QTreeWidgetItem* dragged, QTreeWidgetItem* target, TDropPlace where);
    // Makes the project's edit and records its reverse; false when refused
    // (the reason is shown and nothing changes).
    bool Edit(const QString& text, const std::function<void()>& redo,
              const std::function<void()>& undo);
    // Shown in the status bar and a message box that doesn't hold the window.
    void Tell(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateDocks();
    void UpdateTitle();
    void UpdateActions();
    void RebuildTree();
    void FillGroup(QTreeWidgetItem* group, const TGroupRun& run);
    void FillEntry(QTreeWidgetItem* entry, int index);
    void ShowReport();
    std::optional<double> Duration(const QString& path);
    // A text typed in the tree is applied once its editor has closed, and
    // before any command: Enter and Ctrl+S at once save the text.
    void ApplyPendingCommit();
    void FinishEdits();
    std::function<void()> PendingCommit;

    // Handlers.
    void ActionNewTriggered();
    void ActionOpenTriggered();
    void ActionSaveTriggered();
    void ActionSaveAsTriggered();
    void ActionBuildImageTriggered();
    void ActionAddClipsTriggered();
    void ActionAddGroupTriggered();
    void ActionRemoveTriggered();
    void ActionMoveUpTriggered();
    void ActionMoveDownTriggered();
    void ActionRenameTriggered();
    void ActionMarkInTriggered();
    void ActionMarkOutTriggered();
    void ActionStepBackTriggered();
    void ActionStepForwardTriggered();
    void ActionPlayBackTriggered();
    void ActionPauseTriggered();
    void ActionPlayTriggered();
    void ActionRehearseTriggered();
    void ActionRehearseAllTriggered();
    void ActionGrabPictureTriggered();
    void ActionImportPictureTriggered();
    void ProjectChanged();
    void TreeCurrentItemChanged(QTreeWidgetItem* current);
    void TreeItemChanged(QTreeWidgetItem* item, int column);
    void TreeTextCommitted(QTreeWidgetItem* item, int column, const QString& text);
    void ChecksListItemClicked(QListWidgetItem* item);
    void VolumesButtonClicked();
    void PreviewTimerTimer();
    void PreviewEndOfStream();
    void PreviewFrameGrabbed(const QImage& frame);
    void BuildProgress(double percent);
    void BuildFinished(bool ok);

    void MoveSelected(int step);
    void MoveRecords(const QString& text, int first, int count, int dest,
                     std::optional<std::pair<uint8_t, QString>> group = {});
    void ShowEntry(int index);
    void StartRehearsal(int index);
    void EndRehearsal();
    void SetPictureFile(const QString& mediaName, const QString& jpeg, const QString& text);
    bool Confirmed();
    void Open(const std::function<void()>& load);

    std::unique_ptr<TImageBuild> Build;
    QString BuildTarget;
    std::unique_ptr<QTemporaryDir> Pictures; // grabbed pictures until saved
    int Grabs = 0;
    int GrabFor = -1; // the record whose picture is being grabbed
    std::vector<bool> Unchecked;
    std::vector<int> Queue;
    std::optional<double> RehearseEnd;
    QString PreviewFile;
    int Shown = -1; // the entry in the preview
    bool Rebuilding = false;
    TCheckReport Checks;
    struct TProbed {
        QDateTime Modified;
        qint64 Size;
        std::optional<double> Seconds;
    };
    QHash<QString, TProbed> Durations;
};
