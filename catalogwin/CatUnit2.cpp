#include "catalogwin/CatUnit2.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/FitPicture.h"
#include "catalogwin/PictureLoader.h"
#include "catalogwin/fcTreeView.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/OuterFrame.h"
#include "platform/RandomNumbers.h"
#include "player/Unit1.h"
#include "skin/SkinColors.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

TCatForm2* CatForm2 = nullptr;

namespace {

constexpr int PicturePanelHeight = 99;
constexpr int HeaderHeight = 20;
// The pattern is the file system's, never translated.
const char* const PlayListPattern = "(*.lst)";

void Paint(QWidget* widget, uint32_t color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ColorRefToQColor(color));
    palette.setColor(QPalette::Base, ColorRefToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* FlatButton(QWidget* parent, const QString& caption, const QRect& bounds) {
    auto* button = new QPushButton(caption, parent);
    button->setFlat(true);
    button->setFont(SkinFont(9));
    button->setGeometry(bounds);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

bool IsEntry(const TfcTreeNode* node) {
    return node && node->Level() == 1;
}

} // namespace

void TFlatPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (OnResize)
        OnResize();
}

TCatForm2::TCatForm2(QWidget* parent) : QWidget(parent, Qt::Tool) {
    CreateComponents();
    ConnectEvents();
    ChooseFile = [](QFileDialog* dialog) {
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return QString();
        return dialog->selectedFiles().constFirst();
    };
    FormCreate();
}

TCatForm2::~TCatForm2() {
    if (CatForm2 == this)
        CatForm2 = nullptr;
}

void TCatForm2::CreateComponents() {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Quorvix Player"));
    setWindowRole(QStringLiteral("TCatForm2"));
    // A disc load shows it while the user plays: the keyboard stays on the
    // bar or the picture. The Catalog button activates it by itself.
    setAttribute(Qt::WA_ShowWithoutActivating);
    Outer = new TOuterFrame(this);
    Outer->SetBounds(QRect(0, 0, 145, 260));
    setMinimumSize(145, 260);
    Paint(this, SkinCream);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    FlatPanel1 = new TFlatPanel(this);
    FlatPanel1->setFixedHeight(PicturePanelHeight);
    FlatPanel1->resize(width(), PicturePanelHeight);
    Image1 = new QLabel(FlatPanel1);
    Image1->setScaledContents(true);
    Image1->setGeometry(10, 4, 118, 86);
    layout->addWidget(FlatPanel1);

    FlatPanel6 = new TFlatPanel(this);
    auto* body = new QVBoxLayout(FlatPanel6);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    FlatPanel7 = new TFlatPanel(FlatPanel6);
    FlatPanel7->setFixedHeight(HeaderHeight);
    FlatPanel7->resize(width(), HeaderHeight);
    FlatButton5 = FlatButton(FlatPanel7, tr("Load"), QRect(2, 2, 25, 15));
    Label3 = new QLabel(tr("Play List"), FlatPanel7);
    Label3->setGeometry(34, 3, 65, 13);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(SkinFont(9));
    Paint(Label3, 15201534);
    FlatButton6 = FlatButton(FlatPanel7, tr("Save"), QRect(104, 2, 25, 15));
    body->addWidget(FlatPanel7);

    fcTreeView1 = new TfcTreeView(FlatPanel6);
    fcTreeView1->setFont(SkinFont(11));
    Paint(fcTreeView1, SkinCream);
    QPalette palette = fcTreeView1->palette();
    palette.setColor(QPalette::Text, ColorRefToQColor(11842695));
    fcTreeView1->setPalette(palette);
    body->addWidget(fcTreeView1);
    layout->addWidget(FlatPanel6);

    ImageList1 = QPixmap(QStringLiteral(":/art/nopicture.png"));
    PictureLoader = new TPictureLoader(this);
}

void TCatForm2::ConnectEvents() {
    connect(FlatButton5, &QPushButton::clicked, this, [this] { FlatButton1Click(); });
    connect(FlatButton6, &QPushButton::clicked, this, [this] { FlatButton2Click(); });
    FlatPanel1->OnResize = [this] { FlatPanel1Resize(); };
    PictureLoader->OnLoaded = [this](const std::optional<TJpegPicture>& picture) {
        if (picture)
            ShowPicture(QPixmap::fromImage(picture->Image), picture->Size);
        else
            ShowPicture(ImageList1);
    };
    fcTreeView1->OnToggleCheckbox = [this](TfcTreeNode* n) { fcTreeView1ToggleCheckbox(n); };
    fcTreeView1->OnMouseDown = [this](TfcTreeNode* n) { fcTreeView1MouseDown(n); };
    fcTreeView1->OnClick = [this] { fcTreeView1Click(); };
    fcTreeView1->OnDblClick = [this](TfcTreeNode* n) { fcTreeView1DblClick(n); };
    fcTreeView1->OnKeyDown = [this](int key) { fcTreeView1KeyDown(key); };
    fcTreeView1->OnCollapsing = [this](TfcTreeNode* n) { return fcTreeView1Collapsing(n); };
    fcTreeView1->OnExpanding = [this](TfcTreeNode* n) { return fcTreeView1Expanding(n); };
    fcTreeView1->OnCalcNodeAttributes = [this](TfcTreeNode* n, TfcNodeAttributes& a) {
        fcTreeView1CalcNodeAttributes(n, a);
    };
}

void TCatForm2::FormCreate() {
    FlatPanel1->move(FlatPanel1->x(), 0);
    SizeFromSettings = false;
    Outer->SetBounds(QRect(QPoint(5, 5), frameGeometry().size()));
}

void TCatForm2::closeEvent(QCloseEvent* event) {
    event->ignore();
}

// The tree.

void TCatForm2::BuildCatalogTree() {
    if (!CatalogLoaded)
        return;
    fcTreeView1->BeginUpdate();
    fcTreeView1->Clear();
    EntryNodes.assign(256, nullptr);
    int widest = 0;
    Finally(
        [&] {
            const QFontMetrics metrics(fcTreeView1->font());
            int previousKey = -1;
            TfcTreeNode* group = nullptr;
            for (const CatalogRecord& record : Catalog) {
                const QString title = EntryTitle(record);
                widest = std::max(widest, metrics.horizontalAdvance(title));
                if (record.GroupKey != previousKey) {
                    previousKey = record.GroupKey;
                    group = fcTreeView1->Add(nullptr, GroupTitle(record), record.GroupKey);
                }
                TfcTreeNode* entry = fcTreeView1->Add(group, title, record.EntryIndex);
                if (!EntryNodes[record.EntryIndex])
                    EntryNodes[record.EntryIndex] = entry;
            }
        },
        [&] {
            SizeToCatalog(widest);
            fcTreeView1->EndUpdate();
        });
}

void TCatForm2::SizeToCatalog(int widest) {
    if (SizeFromSettings)
        return;
    QRect outer = frameGeometry();
    if (widest != 0)
        outer.setWidth(widest + 70);
    const int rowHeight = QFontMetrics(fcTreeView1->font()).height() + 4;
    int h = rowHeight * static_cast<int>(Catalog.size()) + FlatPanel7->height() +
            FlatPanel1->height() + 40;
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const int screenHeight = display ? display->geometry().height() : 0;
    if (outer.top() + h >= screenHeight - 40)
        h = screenHeight - outer.top() - 30;
    outer.setHeight(std::max(h, minimumHeight() + Outer->FrameSize().height()));
    Outer->SetBounds(outer);
}

void TCatForm2::CheckAllNodes() {
    fcTreeView1->BeginUpdate();
    const std::vector<TfcTreeNode*> nodes = fcTreeView1->DisplayOrder();
    for (TfcTreeNode* node : nodes)
        node->SetChecked(true);
    fcTreeView1->EndUpdate();
}

TfcTreeNode* TCatForm2::NodeOfEntry(int32_t N) const {
    if (N < 0 || N >= static_cast<int32_t>(EntryNodes.size()))
        return nullptr;
    return EntryNodes[N];
}

void TCatForm2::SelectEntry(int32_t N) {
    fcTreeView1->SelectNode(NodeOfEntry(N));
}

void TCatForm2::RepaintEntry(int32_t N) {
    fcTreeView1->InvalidateNode(NodeOfEntry(N));
}

int32_t TCatForm2::NextCheckedEntry(int32_t N, int direction) const {
    if (!CatalogLoaded)
        return -1;
    std::vector<int32_t> candidates;
    for (const TfcTreeNode* node : fcTreeView1->DisplayOrder())
        if (IsEntry(node) && node->Checked())
            candidates.push_back(node->AbsoluteIndex());
    if (candidates.empty())
        return -1;
    const auto count = static_cast<int32_t>(candidates.size());
    const TfcTreeNode* current = NodeOfEntry(N);
    const int32_t p = current ? current->AbsoluteIndex() : -1;
    // Candidates follow display order: step from p's place, or from where p
    // would stand when it is not checked or names no node, wrapping around.
    const auto after = std::upper_bound(candidates.begin(), candidates.end(), p);
    const bool pIsCandidate = after != candidates.begin() && *(after - 1) == p;
    int32_t k = static_cast<int32_t>(after - candidates.begin());
    if (direction == 0) {
        k = k % count;
    } else {
        k -= pIsCandidate ? 2 : 1;
        if (k < 0)
            k += count;
    }
    return fcTreeView1->NodeAt(candidates[k])->Data();
}

// An entry that fails the test is drawn out and the choice made again among
// the rest: each one that passes is as likely, and only the entries drawn are
// tested. When all pass, one draw, as without a test.
int32_t TCatForm2::RandomCheckedEntry(const std::function<bool(int32_t)>& accept) const {
    if (!CatalogLoaded)
        return -1;
    std::vector<int32_t> candidates;
    for (const TfcTreeNode* node : fcTreeView1->DisplayOrder())
        if (IsEntry(node) && node->Checked())
            candidates.push_back(node->Data());
    while (!candidates.empty()) {
        const auto k = RandomNumber(static_cast<uint32_t>(candidates.size()));
        if (!accept || accept(candidates[k]))
            return candidates[k];
        candidates.erase(candidates.begin() + k);
    }
    return -1;
}

void TCatForm2::CollectPlayListLines(std::vector<std::string>& list) const {
    list.clear();
    for (const TfcTreeNode* node : fcTreeView1->DisplayOrder())
        if (IsEntry(node))
            list.push_back((node->Checked() ? "1" : "0") + std::string(1, '\xA4') +
                           std::to_string(node->Data()));
}

// Check propagation: only the pressed node, or any node while a play list is
// applied, passes its mark on.
void TCatForm2::fcTreeView1ToggleCheckbox(TfcTreeNode* node) {
    if (!node)
        return;
    if (node->AbsoluteIndex() != LastPressedNode && !ApplyingPlayList)
        return;
    fcTreeView1->BeginUpdate();
    if (node->Level() == 0) {
        node->SetGrayed(false);
        for (int i = 0; i < node->Count(); ++i)
            node->Item(i)->SetChecked(node->Checked());
    } else if (node->Parent()) {
        UpdateGroupCheck(node->Parent());
    }
    fcTreeView1->EndUpdate();
}

void TCatForm2::UpdateGroupCheck(TfcTreeNode* group) {
    int checked = 0;
    for (int i = 0; i < group->Count(); ++i)
        checked += group->Item(i)->Checked() ? 1 : 0;
    if (checked == 0) {
        group->SetChecked(false);
        group->SetGrayed(false);
    } else if (checked == group->Count()) {
        group->SetChecked(true);
        group->SetGrayed(false);
    } else {
        group->SetGrayed(true);
        group->SetChecked(true);
    }
}

void TCatForm2::fcTreeView1MouseDown(TfcTreeNode* node) {
    if (node)
        LastPressedNode = node->AbsoluteIndex();
}

void TCatForm2::fcTreeView1Click() {
    const TfcTreeNode* node = fcTreeView1->Selected();
    if (IsEntry(node) && MainForm)
        MainForm->ShowEntryPicture(node->Data());
}

void TCatForm2::fcTreeView1DblClick(TfcTreeNode* node) {
    if (IsEntry(node) && node->Checked() && MainForm)
        MainForm->PlayEntry(node->Data());
}

void TCatForm2::fcTreeView1KeyDown(int key) {
    const TfcTreeNode* node = fcTreeView1->Selected();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && IsEntry(node) && node->Checked() &&
        MainForm)
        MainForm->PlayEntry(node->Data());
}

bool TCatForm2::fcTreeView1Collapsing(TfcTreeNode*) {
    return false;
}

bool TCatForm2::fcTreeView1Expanding(TfcTreeNode*) {
    return true;
}

void TCatForm2::fcTreeView1CalcNodeAttributes(TfcTreeNode* node, TfcNodeAttributes& attributes) {
    if (node->Level() == 0) {
        attributes.Font.setBold(true);
        attributes.FontColor = ColorRefToQColor(7763548);
        attributes.Background = ColorRefToQColor(13434189);
        if (!node->Checked())
            attributes.FontColor = ColorRefToQColor(8421504);
        if (node->Grayed())
            attributes.FontColor = ColorRefToQColor(11842695);
        return;
    }
    attributes.Font.setBold(false);
    attributes.FontColor = Qt::black;
    if (!node->Checked())
        attributes.FontColor = ColorRefToQColor(8421504);
    attributes.Background =
        node == fcTreeView1->Selected() ? ColorRefToQColor(12632256) : ColorRefToQColor(SkinCream);
    if (node->Data() == CurrentIndex)
        attributes.FontColor = ColorRefToQColor(255);
}

// The picture.

void TCatForm2::ShowPicture(const QPixmap& picture, QSize size) {
    PictureLoader->Cancel();
    Image1->setPixmap(picture);
    PictureSize = size;
    FitImage();
}

void TCatForm2::ShowPictureFile(const QString& path) {
    PictureLoader->Load(path, PictureCoverSize());
}

QSize TCatForm2::PictureCoverSize() const {
    const QScreen* screen = this->screen();
    const int widest = screen ? screen->availableGeometry().width() : 0;
    return {std::max(FlatPanel1->width(), widest), FlatPanel1->height() - 4};
}

void TCatForm2::FlatPanel1Resize() {
    if (Image1->pixmap().isNull())
        return;
    FitImage();
}

void TCatForm2::FitImage() {
    const TRect box{0, 2, FlatPanel1->width(), FlatPanel1->height() - 2};
    const TRect source{0, 0, PictureSize.width(), PictureSize.height()};
    Image1->setGeometry(FitPictureRect(box, source, true));
}

// Play-list commands.

namespace {

// A play-list name that can't be kept as "FavFileName" (a line break or NUL
// in it) is refused when chosen rather than when the settings are written at
// close.
void CheckStorableFavFileName(const QString& path) {
    if (!TIniFile::CanStore(path.toUtf8()))
        throw Exception(
            TCatForm2::tr(
                "Cannot use %1 as the play list: its name holds a line break or a NUL byte")
                .arg(path)
                .toStdString());
}

} // namespace

void TCatForm2::FlatButton1Click() {
    const QString path = ChooseFile(PlayListDialog(QFileDialog::AcceptOpen));
    if (path.isEmpty())
        return;
    CheckStorableFavFileName(path);
    FavFileName = path;
    ApplyingPlayList = true;
    Finally(
        [] {
            if (MainForm)
                MainForm->RestorePlayList();
        },
        [this] { ApplyingPlayList = false; });
    if (MainForm)
        MainForm->PlayEntry(MainForm->RandomPlayableEntry());
}

void TCatForm2::FlatButton2Click() {
    const QString kept = FavFileName;
    const QString path = ChooseFile(PlayListDialog(QFileDialog::AcceptSave));
    if (path.isEmpty())
        return;
    FavFileName = path;
    Finally(
        [] {
            if (MainForm)
                MainForm->SavePlayList();
        },
        [&kept] { FavFileName = kept; });
}

void TCatForm2::SetDialogFolder(const QString& folder) {
    DialogFolder = folder;
    for (QFileDialog* dialog : {OpenDialog1, SaveDialog1})
        if (dialog)
            ApplyDialogFolder(dialog);
}

void TCatForm2::ApplyDialogFolder(QFileDialog* dialog) const {
    if (DialogFolder.isNull())
        return;
    dialog->setDirectory(DialogFolder);
    dialog->setNameFilter(tr("Play_List files") + QLatin1String(PlayListPattern));
}

QFileDialog* TCatForm2::PlayListDialog(QFileDialog::AcceptMode mode) {
    QFileDialog*& dialog = mode == QFileDialog::AcceptOpen ? OpenDialog1 : SaveDialog1;
    if (dialog)
        return dialog;
    dialog = new QFileDialog(this);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave)
        dialog->setDefaultSuffix(QStringLiteral("lst"));
    ApplyDialogFolder(dialog);
    return dialog;
}
