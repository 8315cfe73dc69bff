#pragma once
// The catalog window: the catalog as a check-box tree, the entry picture and
// the play-list commands.

#include <QFileDialog>
#include <QFrame>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCloseEvent;
class QLabel;
class QPushButton;
class TfcTreeView;
class TfcTreeNode;
struct TfcNodeAttributes;

// A plain panel that reports its resizes.
class TFlatPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
    std::function<void()> OnResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

class TOuterFrame;
class TPictureLoader;

class TCatForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TCatForm2(QWidget* parent = nullptr);
    ~TCatForm2() override;

    // Components.
    TFlatPanel* FlatPanel1 = nullptr; // picture panel
    QLabel* Image1 = nullptr;         // stretches its picture to its bounds
    TFlatPanel* FlatPanel6 = nullptr;
    TFlatPanel* FlatPanel7 = nullptr;   // header strip
    QPushButton* FlatButton5 = nullptr; // "Load"
    QLabel* Label3 = nullptr;           // "Play List" / favourites file name
    QPushButton* FlatButton6 = nullptr; // "Save"
    TfcTreeView* fcTreeView1 = nullptr;
    // Made when first shown: each holds a file system model with a thread of its own.
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    QPixmap ImageList1; // the default picture, 121 x 95
    TPictureLoader* PictureLoader = nullptr;

    // Window state.
    int32_t LastPressedNode = 0;
    bool ApplyingPlayList = false;
    bool SizeFromSettings = false;
    TOuterFrame* Outer = nullptr; // place and size, frame included

    // Runs a file dialog; returns the chosen path, or empty when cancelled.
    // Replaceable so that tests need no user.
    std::function<QString(QFileDialog*)> ChooseFile;

    // Operations; entries are named by their entry number, -1 = none.
    void BuildCatalogTree();
    void CheckAllNodes();
    TfcTreeNode* NodeOfEntry(int32_t N) const;
    void SelectEntry(int32_t N);
    void RepaintEntry(int32_t N);                             // redraws the entry's node, if any
    int32_t NextCheckedEntry(int32_t N, int direction) const; // 0 forward, 1 backward
    // A checked entry at random; with a test, among those that pass it.
    int32_t RandomCheckedEntry(const std::function<bool(int32_t)>& accept = {}) const;
    void CollectPlayListLines(std::vector<std::string>& list) const;
    // Initial folder and filter of both play-list dialogs.
    void SetDialogFolder(const QString& folder);
    // The open or save dialog, made on first use.
    QFileDialog* PlayListDialog(QFileDialog::AcceptMode mode);
    // Puts a picture into Image1 and fits it into the picture panel. The
    // fit uses the picture's own size, which a picture decoded at a reduced
    // scale gives apart from its pixels.
    void ShowPicture(const QPixmap& picture, QSize size);
    void ShowPicture(const QPixmap& picture) { ShowPicture(picture, picture.size()); }
    // Shows a picture file once it is decoded; the default picture when it
    // can't be shown. Until then the previous picture stays.
    void ShowPictureFile(const QString& path);
    // The box a picture is fitted into, at the widest the panel can become:
    // pictures decoded to cover it never need enlarging.
    QSize PictureCoverSize() const;

    // Handlers.
    void FormCreate();
    void FlatButton1Click(); // Load
    void FlatButton2Click(); // Save
    void fcTreeView1MouseDown(TfcTreeNode* node);
    void fcTreeView1ToggleCheckbox(TfcTreeNode* node);
    void fcTreeView1Click();
    void fcTreeView1DblClick(TfcTreeNode* node);
    void fcTreeView1KeyDown(int key);
    bool fcTreeView1Collapsing(TfcTreeNode* node);
    bool fcTreeView1Expanding(TfcTreeNode* node);
    void fcTreeView1CalcNodeAttributes(TfcTreeNode* node, TfcNodeAttributes& attributes);
    void FlatPanel1Resize();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void ConnectEvents();
    void SizeToCatalog(int widest);
    void UpdateGroupCheck(TfcTreeNode* group);
    void FitImage();
    void ApplyDialogFolder(QFileDialog* dialog) const;

    std::vector<TfcTreeNode*> EntryNodes; // first node of each entry number
    QSize PictureSize;                    // own size of the picture in Image1
    QString DialogFolder;                 // null until the settings give one
};

extern TCatForm2* CatForm2;
