#pragma once
// The video window: owns the playback control and offers the playback
// operations the main window calls.

#include <QWidget>

#include <cstdint>

class QLabel;
class TOuterFrame;
class TWinMediaPlayer;

class TVidOutForm : public QWidget {
    Q_OBJECT
public:
    explicit TVidOutForm(QWidget* parent = nullptr);
    ~TVidOutForm() override;

    QLabel* Image1 = nullptr;                // logo, shown while the control is hidden
    QLabel* Label1 = nullptr;                // what to do, under the logo while there is no disc
    TWinMediaPlayer* ActiveMovie1 = nullptr; // the playback control

    void OpenMedia(const QString& path, double start);
    // The state the user sees and commands: a clip still opening to start
    // counts as playing, so that Pause and Stop hold once it is open.
    int PlayState() const;
    void PlayMedia();
    void PauseMedia();
    void PauseIfPlaying();
    void StopMedia();
    void StopAndRewind(); // whatever the play state
    void CloseMedia();
    void ShowPlayState();
    void PollPosition();
    void ShowOriginalSize();
    void ShowFullScreen();
    // The picture to the front, the bar over it in full screen.
    void BringForward();
    // In full screen, the bar over the picture (again, once it is shown anew).
    void KeepBarOverPicture();
    void ShowInsertDiscLine(bool visible);

    void ActiveMovie1ReadyStateChange(int ReadyState);
    void ActiveMovie1OpenStateChange(int OldState, int NewState);
    void ActiveMovie1EndOfStream(int Result_);
    void ActiveMovie1Error();
    void ActiveMovie1MouseDown(Qt::MouseButton Button);
    void ActiveMovie1DblClick(Qt::MouseButton Button);
    void FormResize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TOuterFrame* Outer = nullptr;
    bool StartWhenOpen = false;
    void LeaveFullScreenState();
    void ShowControl(bool visible);
    void PlaceInsertDiscLine();
};

extern TVidOutForm* VidOutForm;
extern uint8_t FullScreenMode;

// "hh:mm:ss" with each part given a leading zero when it has one digit.
QString TimeText(int32_t hours, int32_t minutes, int32_t seconds);
