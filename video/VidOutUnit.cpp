#include "video/VidOutUnit.h"

#include "catalog/CatalogRecord.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/DesktopWindows.h"
#include "platform/Exceptions.h"
#include "platform/OuterFrame.h"
#include "platform/SettingsFiles.h"
#include "player/Unit1.h"
#include "skin/ImageSlider.h"
#include "skin/MyGauges.h"
#include "skin/SkinColors.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/CaptionUnit.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

TVidOutForm* VidOutForm = nullptr;
uint8_t FullScreenMode = 0;

namespace {

QString TwoDigits(int32_t value) {
    QString text = QString::number(value);
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

int32_t RoundSeconds(double seconds) {
    return static_cast<int32_t>(std::nearbyint(seconds));
}

// The user's choices in the program's own settings; anything else is auto.
TMediaPlayerOptions ReadPlayerOptions() {
    const TPlayerSettings settings = ReadPlayerSettings();
    TMediaPlayerOptions options;
    if (settings.Video == "opengl")
        options.Video = TVideoOutput::OpenGL;
    else if (settings.Video == "software")
        options.Video = TVideoOutput::Software;
    options.HardwareDecoding = settings.HardwareDecoding;
    return options;
}

// OpenGL asked for where none can be made: drawn as the program would choose.
TWinMediaPlayer* CreatePlayer(QWidget* parent) {
    const TMediaPlayerOptions options = ReadPlayerOptions();
    try {
        return CreateMediaPlayer(parent, options);
    } catch (const Exception&) {
        if (options.Video != TVideoOutput::OpenGL)
            throw;
    }
    return CreateMediaPlayer(parent, {TVideoOutput::Auto, options.HardwareDecoding});
}

} // namespace

QString TimeText(int32_t hours, int32_t minutes, int32_t seconds) {
    return TwoDigits(hours) + QLatin1Char(':') + TwoDigits(minutes) + QLatin1Char(':') +
           TwoDigits(seconds);
}

TVidOutForm::TVidOutForm(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint) {
    setWindowTitle(QStringLiteral("Quorvix Player"));
    setWindowRole(QStringLiteral("TVidOutForm"));
    // The keyboard stays on the bar until the user clicks the picture.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorRefToQColor(SkinCream));
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap(QStringLiteral(":/art/logo.png")));
    Image1->installEventFilter(this);
    // Over the logo's dark foot, below its name; presses go to the logo.
    Label1 = new QLabel(tr("Insert the program disc or open a disc image."), this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setFont(SkinFont(11));
    QPalette hint = Label1->palette();
    hint.setColor(QPalette::WindowText, QColor(222, 206, 186));
    Label1->setPalette(hint);

    ActiveMovie1 = CreatePlayer(this);
    ShowControl(false);
    connect(ActiveMovie1, &TWinMediaPlayer::OpenStateChange, this,
            &TVidOutForm::ActiveMovie1OpenStateChange);
    connect(ActiveMovie1, &TWinMediaPlayer::ReadyStateChange, this,
            &TVidOutForm::ActiveMovie1ReadyStateChange);
    connect(ActiveMovie1, &TWinMediaPlayer::EndOfStream, this,
            &TVidOutForm::ActiveMovie1EndOfStream);
    connect(ActiveMovie1, &TWinMediaPlayer::Error, this, &TVidOutForm::ActiveMovie1Error);
    connect(ActiveMovie1, &TWinMediaPlayer::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
                ActiveMovie1MouseDown(button);
            });
    connect(ActiveMovie1, &TWinMediaPlayer::DblClick, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
                ActiveMovie1DblClick(button);
            });

    // Outer size 348 x 279, centred on the screen of the main window.
    Outer = new TOuterFrame(this);
    const QRect screen = (MainForm ? MainForm->screen() : this->screen())->geometry();
    Outer->SetBounds(QRect(screen.x() + (screen.width() - 348) / 2,
                           screen.y() + (screen.height() - 279) / 2, 348, 279));
}

TVidOutForm::~TVidOutForm() {
    // Never leave the desktop panels covered.
    LeaveFullScreenState();
    if (VidOutForm == this)
        VidOutForm = nullptr;
}

void TVidOutForm::OpenMedia(const QString& path, double start) {
    if (ActiveMovie1->isHidden())
        ShowControl(true);
    if (ActiveMovie1->FileName() != path) {
        StartWhenOpen = true;
        ActiveMovie1->SetFileName(path);
        ActiveMovie1->SetCurrentPosition(start);
        return;
    }
    if (std::fabs(ActiveMovie1->CurrentPosition() - start) > 5.0) {
        ActiveMovie1->SetCurrentPosition(start);
        PlayMedia();
    }
}

int TVidOutForm::PlayState() const {
    if (StartWhenOpen && !ActiveMovie1->FileName().isEmpty())
        return mpPlaying;
    return ActiveMovie1->PlayState();
}

void TVidOutForm::PlayMedia() {
    const int state = PlayState();
    if (!ActiveMovie1->FileName().isEmpty() && (state == mpStopped || state == mpPaused))
        ActiveMovie1->Play();
}

void TVidOutForm::PauseMedia() {
    const int state = PlayState();
    if (state == mpPlaying)
        PauseIfPlaying();
    else if (state == mpPaused)
        ActiveMovie1->Play();
}

void TVidOutForm::PauseIfPlaying() {
    if (PlayState() != mpPlaying)
        return;
    StartWhenOpen = false;
    ActiveMovie1->Pause();
}

void TVidOutForm::StopMedia() {
    if (PlayState() == mpPlaying)
        StopAndRewind();
}

void TVidOutForm::StopAndRewind() {
    StartWhenOpen = false;
    ActiveMovie1->Stop();
    if (const CatalogRecord* record = RecordAt(CurrentIndex))
        ActiveMovie1->SetCurrentPosition(record->StartPos);
    StopAtSegmentEnd = true;
}

void TVidOutForm::CloseMedia() {
    StartWhenOpen = false;
    if (ActiveMovie1->PlayState() != mpStopped)
        ActiveMovie1->Stop();
    ShowControl(false);
    ActiveMovie1->SetFileName(QString());
}

void TVidOutForm::ShowPlayState() {
    // The same words as the bar shows at start ("Stopped").
    static const char* const Words[] = {
        QT_TRANSLATE_NOOP("TMainForm", "Stopped"), QT_TRANSLATE_NOOP("TMainForm", "Paused"),
        QT_TRANSLATE_NOOP("TMainForm", "Playing"), QT_TRANSLATE_NOOP("TMainForm", "Waiting")};
    const int state = PlayState();
    const QString text = state >= mpStopped && state <= mpWaiting
                             ? QCoreApplication::translate("TMainForm", Words[state])
                             : QString();
    if (MainForm->Label1->text() != text) {
        MainForm->Label1->setText(text);
        MainForm->Label1->repaint();
    }
}

void TVidOutForm::PollPosition() {
    const CatalogRecord* record = RecordAt(CurrentIndex);
    const int32_t p = RoundSeconds(ActiveMovie1->CurrentPosition());
    if (record && record->EndPos != 0.0 && p >= record->EndPos && StopAtSegmentEnd) {
        MainForm->MediaPlayer1Notify();
        return;
    }
    MainForm->ShowTime(p / 60, p % 60);
    ShowPlayState();
    MainForm->Gauge1->SetProgress(p);
}

void TVidOutForm::LeaveFullScreenState() {
    if (windowState() & Qt::WindowFullScreen)
        setWindowState(windowState() & ~Qt::WindowFullScreen);
}

// The shown control covers the whole window. When it draws on a surface of
// its own, the window has nothing left to draw: with its updates off it
// keeps no window-sized image behind the picture (5 MB at full screen).
void TVidOutForm::ShowControl(bool visible) {
    ActiveMovie1->setVisible(visible);
    setUpdatesEnabled(!visible || !ActiveMovie1->HasOwnSurface());
}

void TVidOutForm::ShowInsertDiscLine(bool visible) {
    Label1->setVisible(visible);
}

// The logo is centred; the line sits in its foot, under the program's name.
void TVidOutForm::PlaceInsertDiscLine() {
    const QSize logo = Image1->pixmap().size();
    const QRect logoRect(QPoint((width() - logo.width()) / 2, (height() - logo.height()) / 2),
                         logo);
    Label1->setGeometry(logoRect.left(), logoRect.bottom() - 20, logoRect.width(), 16);
}

void TVidOutForm::ShowOriginalSize() {
    LeaveFullScreenState();
    const QSize frame = Outer->FrameSize();
    const int w = ActiveMovie1->ImageSourceWidth() + frame.width();
    const int h = ActiveMovie1->ImageSourceHeight() + frame.height();
    const QRect screen = this->screen()->geometry();
    Outer->SetBounds(
        QRect(screen.x() + (screen.width() - w) / 2, screen.y() + (screen.height() - h) / 2, w, h));
    FullScreenMode = 0;
    KeepAbove(MainForm, nullptr);
}

void TVidOutForm::ShowFullScreen() {
    const QSize frame = Outer->FrameSize();
    const int o = -(frame.width() / 2);
    raise();
    const QRect screen = this->screen()->geometry();
    Outer->SetBounds(QRect(screen.x() + o, screen.y() + o, screen.width() + frame.width(),
                           screen.height() + frame.height()));
    FullScreenMode = 1;
    // The bar is made transient before the window manager hears of full
    // screen, so that it stacks the two together from the start.
    KeepBarOverPicture();
    // Ask the window manager as well, so that desktop panels are covered too.
    setWindowState(windowState() | Qt::WindowFullScreen);
    MainForm->move(screen.x() + (screen.width() - MainForm->width()) / 2,
                   screen.y() + screen.height() - MainForm->height());
    KeepBarOverPicture();
}

// A full-screen picture is already in front; raised again, a window manager
// may put it over the program's tool windows, the bar among them.
void TVidOutForm::BringForward() {
    if (FullScreenMode)
        KeepBarOverPicture();
    else
        raise();
}

// The bar stays usable over the picture. A window manager stacks a
// full-screen window over the program's other windows, but for those
// transient for it: the bar is made one. With no window manager, the
// last window raised is on top.
void TVidOutForm::KeepBarOverPicture() {
    if (!FullScreenMode || !MainForm->isVisible())
        return;
    KeepAbove(MainForm, this);
    MainForm->raise();
}

void TVidOutForm::ActiveMovie1ReadyStateChange(int ReadyState) {
    if (ReadyState != ReadyStateComplete || !StartWhenOpen)
        return;
    StartWhenOpen = false;
    if (!ActiveMovie1->FileName().isEmpty())
        ActiveMovie1->Play();
}

void TVidOutForm::ActiveMovie1OpenStateChange(int OldState, int NewState) {
    if (OldState == nsOpen || NewState != nsOpen)
        return;
    if (FullScreenMode == 0)
        ShowOriginalSize();
    MainForm->FullBtn->show();
    MainForm->OrgBtn->show();
    const int32_t s = RoundSeconds(ActiveMovie1->Duration());
    MainForm->Label4->setText(TimeText(s / 3600, (s / 60) % 60, s % 60));
    MainForm->Label4->repaint();
    MainForm->Timer1->start();
    MainForm->Gauge1->SetMaxValue(s);
    MainForm->Gauge1->SetProgress(0);
    MainForm->Gauge1->setEnabled(true);
    // A full-scale volume has no logarithm: it is the top of the slider.
    const int a = std::abs(ActiveMovie1->Volume());
    const long double top = TMainForm::VolumeMaximum;
    MainForm->VolSlider->SetSliderPosValue(a == 0 ? top
                                                  : top - std::log10(static_cast<long double>(a)));
}

void TVidOutForm::ActiveMovie1EndOfStream(int) {
    MainForm->MediaPlayer1Notify();
}

// A file that failed to open leaves the control without media: show the logo
// and an empty bar, never the picture and times of the file before.
void TVidOutForm::ActiveMovie1Error() {
    if (!ActiveMovie1->FileName().isEmpty())
        return;
    ShowControl(false);
    MainForm->Label4->setText(TimeText(0, 0, 0));
    MainForm->Label4->repaint();
    MainForm->ShowTime(0, 0);
    ShowPlayState();
    MainForm->Gauge1->SetProgress(0);
    MainForm->Gauge1->SetMaxValue(0);
    MainForm->Gauge1->setEnabled(false);
}

void TVidOutForm::ActiveMovie1MouseDown(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton)
        return;
    MainForm->setVisible(!MainForm->isVisible());
    KeepBarOverPicture();
    if (CaptionForm)
        CaptionForm->raise();
}

// Its second press has already shown or hidden the bar again, so a double
// click leaves the bar as it was.
void TVidOutForm::ActiveMovie1DblClick(Qt::MouseButton Button) {
    if (Button == Qt::LeftButton)
        MainForm->ToggleFullScreen();
}

void TVidOutForm::FormResize() {
    if (CaptionForm) {
        CaptionForm->move(x(), y() - CaptionGap);
        CaptionForm->raise();
    }
    if (isVisible())
        setFocus();
}

void TVidOutForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Image1->setGeometry(rect());
    PlaceInsertDiscLine();
    ActiveMovie1->setGeometry(rect());
    FormResize();
}

// The strip also follows moves that keep the size (1:1 of a same-sized picture).
void TVidOutForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (CaptionForm)
        CaptionForm->move(x(), y() - CaptionGap);
}

void TVidOutForm::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TVidOutForm::keyPressEvent(QKeyEvent* event) {
    MainForm->PlayerKeyPress(event);
}

void TVidOutForm::wheelEvent(QWheelEvent* event) {
    MainForm->WheelVolume(event->angleDelta().y());
}

// The logo takes presses as the picture does.
bool TVidOutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && (event->type() == QEvent::MouseButtonPress ||
                              event->type() == QEvent::MouseButtonDblClick)) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        ActiveMovie1MouseDown(button);
        if (event->type() == QEvent::MouseButtonDblClick)
            ActiveMovie1DblClick(button);
    }
    return QWidget::eventFilter(watched, event);
}
