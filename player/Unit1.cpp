#include "player/Unit1.h"

#include "catalogwin/CatUnit2.h"
#include "platform/DesktopWindows.h"
#include "platform/Exceptions.h"
#include "skin/ImageSlider.h"
#include "skin/MyGauges.h"
#include "skin/SkinColors.h"
#include "skin/TFlatHintUnit.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "skin/fcImageForm.h"
#include "volume/Volumes.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

TMainForm* MainForm = nullptr;
bool DiscPresent = false;
bool StopAtSegmentEnd = false;
QString WorkDir;
QString FavFileName;
bool SettingsValid = false;
std::vector<std::string> PlayListLines;

namespace {

constexpr uint32_t SkinTransparentColor = 0x001F1F00;
constexpr uint32_t LabelColor = 9085442;

QImage Art(const char* name) {
    return QImage(QStringLiteral(":/art/") + QLatin1String(name));
}

// Paints the level wedge on top of the skin; presses fall through to the skin.
class TVolumeIndicatorBox : public QWidget {
public:
    explicit TVolumeIndicatorBox(TMainForm* form) : QWidget(form), Form(form) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(form->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter canvas(this);
        Form->DrawVolumeIndicator(canvas);
    }

private:
    TMainForm* Form;
};

} // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("Quorvix Player"));
    // The window manager and scripts tell the windows apart by their class name.
    setWindowRole(QStringLiteral("TMainForm"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The bar's hints show whichever of the program's windows is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // The mark around the control Tab reached is drawn in the labels' colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, ColorRefToQColor(LabelColor));
    setPalette(pal);
    CreateComponents();
    ConnectEvents();
    // The bar itself keeps the keyboard, so Space is Play/Pause: a window
    // without a focus would give it to the first control Tab reaches.
    setFocus();
    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::CreateComponents() {
    resize(625, 92);
    fcImageForm1 = new TfcImageForm(this);
    fcImageForm1->SetOptions(TfcImageFormOption::ifUseWindowsDrag);
    fcImageForm1->SetAutoSize(true);
    fcImageForm1->SetPicture(Art("skin.png"));
    fcImageForm1->SetDragTolerance(5);
    fcImageForm1->SetTransparentColor(SkinTransparentColor);
    QFile shape(QStringLiteral(":/art/skin.rgn"));
    if (shape.open(QIODevice::ReadOnly))
        fcImageForm1->SetRegionData(shape.readAll());
    fcImageForm1->setMouseTracking(true);

    CreateLabels();

    Gauge1 = new TMyGauge(this);
    Gauge1->setGeometry(10, 75, 260, 3);
    Gauge1->SetKind(TGaugeKind::gkHorizontalBar);
    Gauge1->SetShowText(false);
    Gauge1->SetBorderStyle(TBorderStyle::bsNone);
    Gauge1->SetForeColor(198);
    Gauge1->SetBackColor(SkinCream);
    Gauge1->SetColor(13434189);
    Gauge1->setCursor(Qt::SplitVCursor);
    Gauge1->setEnabled(false);
    Gauge1->setAccessibleName(tr("Position"));
    Gauge1->setAccessibleDescription(tr("Seconds into the file"));

    VolSlider = new TImageSlider(this);
    VolSlider->SetSliderGlyphNormal(Art("slider_normal.png"));
    VolSlider->SetSliderGlyphEnter(Art("slider_enter.png"));
    VolSlider->SetSliderGlyphDown(Art("slider_down.png"));
    VolSlider->SetSliderGlyphInactive(Art("slider_inactive.png"));
    VolSlider->move(292, 45);
    VolSlider->SetSliderMaxValue(VolumeMaximum);
    VolSlider->SetSliderMinValue(0);
    VolSlider->SetSliderMaxVisibleRight(415);
    VolSlider->SetSliderMaxVisibleLeft(292);
    VolSlider->SetSliderMaxVisibleTop(45);
    VolSlider->SetSliderMaxVisibleBottom(45);
    VolSlider->SetSliderOrientation(TImageSliderOrientation::isoHorizontal);
    VolSlider->setToolTip(tr("Volume Control"));

    CreateButtons();
    CreateMaintenanceButtons();
    // Tab goes along the bar from left to right.
    setTabOrder(VolDownBtn, VolSlider);
    setTabOrder(VolSlider, RepeatBtn);

    TrackBar1 = new QSlider(Qt::Vertical, this);
    TrackBar1->setGeometry(0, 70, 17, 25);
    TrackBar1->setRange(0, 255);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickInterval(51);
    TrackBar1->setValue(100);
    TrackBar1->hide();

    VolumeIndicator = new TVolumeIndicatorBox(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    Timer2 = new QTimer(this);
    Timer2->setInterval(500);
    Timer3 = new QTimer(this);
    Timer3->setInterval(100);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetColorBackground(SkinCream);
    FlatHint1->SetColorBorder(0x00808080);
    FlatHint1->SetColorArrowBackground(9354465);
    FlatHint1->SetColorArrow(0x00000080);
    FlatHint1->SetMaxHintWidth(200);
    FlatHint1->SetFont(SkinFont(11));
    FlatHint1->SetFontColor(4210816);

    VolumeControl1 = new TVolumeControl(this);
    VolumeControl1->SetTrackBar(1, TrackBar1);
}

void TMainForm::CreateLabels() {
    auto label = [this](const char* text, QRect bounds, int pixelSize) {
        auto* l = new QLabel(tr(text), this);
        l->setGeometry(bounds);
        l->setFont(SkinFont(pixelSize));
        l->setAttribute(Qt::WA_TranslucentBackground);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ColorRefToQColor(LabelColor));
        l->setPalette(pal);
        l->setMouseTracking(true);
        return l;
    };
    Label5 = label(QT_TR_NOOP("FIle :"), {92, 16, 117, 13}, 9);
    Label1 = label(QT_TR_NOOP("Stopped"), {26, 44, 42, 13}, 11);
    Label4 = label("00:00:00", {92, 44, 44, 13}, 11);
    Label2 = label("00:00:00", {166, 44, 44, 13}, 11);
}

void TMainForm::CreateButtons() {
    auto button = [this](const char* glyph, QRect bounds, const char* hint) {
        auto* b = new TMyFlatSpeedButton(this);
        b->setGeometry(bounds);
        b->SetGlyph(Art(glyph));
        b->SetNumGlyphs(3);
        b->setToolTip(tr(hint));
        return b;
    };
    VolUpBtn = button("btn_volup.png", {245, 38, 27, 11}, QT_TR_NOOP("Volume Up"));
    VolNoBtn = button("btn_mute.png", {245, 49, 27, 11}, QT_TR_NOOP("Mute"));
    VolNoBtn->SetGroupIndex(2);
    VolNoBtn->SetAllowAllUp(true);
    VolDownBtn = button("btn_voldown.png", {245, 60, 27, 11}, QT_TR_NOOP("Volume Down"));
    RepeatBtn = button("btn_repeat.png", {287, 61, 29, 21}, QT_TR_NOOP("Repeat Current"));
    RepeatBtn->SetGroupIndex(4);
    RepeatBtn->SetAllowAllUp(true);
    RndBtn = button("btn_random.png", {333, 61, 29, 21}, QT_TR_NOOP("Random"));
    RndBtn->SetGroupIndex(4);
    RndBtn->SetAllowAllUp(true);
    AllBtn = button("btn_playall.png", {375, 61, 29, 21}, QT_TR_NOOP("Play All File"));
    AllBtn->SetGroupIndex(6);
    AllBtn->SetAllowAllUp(true);
    OrgBtn = button("btn_org.png", {468, 41, 16, 16}, QT_TR_NOOP("1:1"));
    OrgBtn->hide();
    FullBtn = button("btn_full.png", {468, 60, 16, 16}, QT_TR_NOOP("FullScreen"));
    FullBtn->hide();
    CatBtn = button("btn_catalog.png", {477, 17, 27, 11}, QT_TR_NOOP("Catalog"));
    CatBtn->SetGroupIndex(8);
    CatBtn->SetAllowAllUp(true);
    CatBtn->SetDown(true);
    PrevBtn = button("btn_prev.png", {511, 38, 15, 28}, QT_TR_NOOP("Previous"));
    PauseBtn = button("btn_pause.png", {526, 20, 35, 18}, QT_TR_NOOP("Pause"));
    PlayBtn = button("btn_play.png", {526, 38, 35, 28}, QT_TR_NOOP("Play"));
    StopBtn = button("btn_stop.png", {526, 66, 35, 18}, QT_TR_NOOP("Stop"));
    NextBtn = button("btn_next.png", {561, 38, 15, 28}, QT_TR_NOOP("Next"));
    MinBtn = button("btn_hide.png", {585, 3, 16, 16}, QT_TR_NOOP("Hide Player"));
    ExitBtn = button("btn_exit.png", {603, 3, 16, 16}, QT_TR_NOOP("Exit"));
}

// Hidden tools for whoever prepares a disc; revealed by Ctrl+D and Ctrl+E.
void TMainForm::CreateMaintenanceButtons() {
    auto button = [this](const QString& text, QRect bounds, bool checkable) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setGeometry(bounds);
        b->setAutoRaise(true);
        b->setCheckable(checkable);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(SkinFont(9));
        b->hide();
        return b;
    };
    SavePosButton = button(tr("SavePos"), {284, 6, 47, 15}, false);
    StartPosButton = button(tr("Start"), {335, 6, 25, 15}, true);
    EndPosButton = button(tr("End"), {362, 6, 25, 15}, true);
    EndToStartBtn = button(tr("EndToStart"), {392, 6, 65, 15}, true);
    CustLoadBtn = button(QString(), {608, 52, 15, 13}, false);
    CustLoadBtn->setToolTip(tr("CustomLoader"));
    TestBtn = button(QString(), {608, 68, 15, 13}, false);
    TestBtn->setToolTip(tr("TestPlayerFile"));
    // Without a caption these two would be invisible until hovered.
    CustLoadBtn->setAutoRaise(false);
    TestBtn->setAutoRaise(false);
    // Exactly one of Start and End is down.
    auto* marks = new QButtonGroup(this);
    marks->setExclusive(true);
    marks->addButton(StartPosButton);
    marks->addButton(EndPosButton);
    StartPosButton->setChecked(true);
}

void TMainForm::ConnectEvents() {
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, [this] { StepVolume(VolumeStep); });
    connect(Gauge1, &TMyGauge::OnMouseDown, this, &TMainForm::Gauge1MouseDown);
    connect(Gauge1, &TMyGauge::OnMouseMove, this, &TMainForm::Gauge1MouseMove);
    connect(Gauge1, &TMyGauge::OnMouseUp, this, &TMainForm::Gauge1MouseUp);
    connect(fcImageForm1, &TfcImageForm::OnPosChange, this, &TMainForm::fcImageForm1PosChange);
    connect(fcImageForm1, &TfcImageForm::OnMouseMove, this, &TMainForm::FormMouseMove);
    connect(VolSlider, &TImageSlider::OnSliderPosChange, this,
            [this](TImageSlider*, long double value) { VolSliderSliderPosChange(value); });

    connect(PlayBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::PlayBtnClick);
    connect(PauseBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::PauseBtnClick);
    connect(StopBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::StopBtnClick);
    connect(RepeatBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::RepeatBtnClick);
    connect(RndBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::RndBtnClick);
    connect(AllBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::AllBtnClick);
    connect(NextBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::NextBtnClick);
    connect(PrevBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::PrevBtnClick);
    connect(ExitBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::ExitBtnClick);
    connect(MinBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::MinBtnClick);
    connect(CatBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::CatBtnClick);
    connect(OrgBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::OrgBtnClick);
    connect(FullBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::FullBtnClick);
    connect(VolNoBtn, &TMyFlatSpeedButton::OnClick, this, &TMainForm::VolNoBtnClick);
    connect(VolUpBtn, &TMyFlatSpeedButton::OnMouseDown, this, &TMainForm::VolUpBtnMouseDown);
    connect(VolDownBtn, &TMyFlatSpeedButton::OnMouseDown, this, &TMainForm::VolDownBtnMouseDown);
    connect(VolUpBtn, &TMyFlatSpeedButton::OnMouseUp, this, &TMainForm::VolUpBtnMouseUp);
    connect(VolDownBtn, &TMyFlatSpeedButton::OnMouseUp, this, &TMainForm::VolUpBtnMouseUp);

    connect(SavePosButton, &QToolButton::clicked, this, &TMainForm::SavePosButtonClick);
    connect(CustLoadBtn, &QToolButton::clicked, this, &TMainForm::CustLoadBtnClick);
    connect(TestBtn, &QToolButton::clicked, this, &TMainForm::TestBtnClick);
}

void TMainForm::FormCreate() {
    const QRect screen = this->screen()->geometry();
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + screen.height() - height() - 30);
    HomeLeft = x();
    HomeTop = y();
    PlayListLines.clear();
    PlayMode = 0;
    Timer2->start();
    CatalogView = new TViewAtPress([] { return CatForm2; }, this);
}

void TMainForm::FormDestroy() {
    PlayListLines.clear();
}

// The program ends even when a save fails at close; the failure is still
// passed on to be shown.
void TMainForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Finally([this] { FormClose(); }, [this] { emit Closed(); });
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    PlayerKeyPress(event);
    QWidget::keyPressEvent(event);
}

// Over the knob or anywhere along its travel.
void TMainForm::wheelEvent(QWheelEvent* event) {
    const QRect travel(VolSlider->SliderMaxVisibleLeft(), VolSlider->y(),
                       VolSlider->SliderMaxVisibleRight() - VolSlider->SliderMaxVisibleLeft() +
                           VolSlider->width(),
                       VolSlider->height());
    if (travel.contains(event->position().toPoint()))
        WheelVolume(event->angleDelta().y());
    else
        QWidget::wheelEvent(event);
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove();
    QWidget::mouseMoveEvent(event);
}
