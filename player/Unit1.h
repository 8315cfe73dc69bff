#pragma once
// The main window: the skinned player bar and the controller of playback.

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QTimer;
class QSlider;
class QToolButton;
class QCloseEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QPainter;
class TfcImageForm;
class TMyGauge;
class TImageSlider;
class TMyFlatSpeedButton;
class TFlatHint;
class TVolumeControl;
class TIdleInhibitor;
class TViewAtPress;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Components.
    TfcImageForm* fcImageForm1 = nullptr;
    QLabel* Label5 = nullptr; // media file name
    QLabel* Label1 = nullptr; // play state word
    QLabel* Label4 = nullptr; // total time
    QLabel* Label2 = nullptr; // elapsed time
    TMyGauge* Gauge1 = nullptr;
    TMyFlatSpeedButton* VolUpBtn = nullptr;
    TMyFlatSpeedButton* VolNoBtn = nullptr;
    TMyFlatSpeedButton* VolDownBtn = nullptr;
    TImageSlider* VolSlider = nullptr;
    TMyFlatSpeedButton* RepeatBtn = nullptr;
    TMyFlatSpeedButton* RndBtn = nullptr;
    TMyFlatSpeedButton* AllBtn = nullptr;
    TMyFlatSpeedButton* OrgBtn = nullptr;
    TMyFlatSpeedButton* FullBtn = nullptr;
    TMyFlatSpeedButton* CatBtn = nullptr;
    TMyFlatSpeedButton* PrevBtn = nullptr;
    TMyFlatSpeedButton* PauseBtn = nullptr;
    TMyFlatSpeedButton* PlayBtn = nullptr;
    TMyFlatSpeedButton* StopBtn = nullptr;
    TMyFlatSpeedButton* NextBtn = nullptr;
    TMyFlatSpeedButton* MinBtn = nullptr;
    TMyFlatSpeedButton* ExitBtn = nullptr;
    QToolButton* SavePosButton = nullptr;
    QToolButton* StartPosButton = nullptr;
    QToolButton* EndPosButton = nullptr;
    QToolButton* EndToStartBtn = nullptr;
    QToolButton* CustLoadBtn = nullptr;
    QToolButton* TestBtn = nullptr;
    QSlider* TrackBar1 = nullptr;
    QTimer* Timer1 = nullptr; // position polling, 500 ms
    QTimer* Timer2 = nullptr; // disc watch, 500 ms
    QTimer* Timer3 = nullptr; // volume button auto-repeat, 100 ms
    TFlatHint* FlatHint1 = nullptr;
    TVolumeControl* VolumeControl1 = nullptr;

    // Settings of the disc volume loaded last.
    int32_t DiscVolume = 0;
    QString IniFileName;
    QString IniSection;
    bool StoreWorkDir = false;      // WorkDir is the default folder, recorded at close
    bool PlaceFailureShown = false; // a failed save of the place is shown once a run
    // Where the bar goes back to with "1:1".
    int32_t HomeLeft = 0;
    int32_t HomeTop = 0;
    uint8_t PlayMode = 0; // 0 in order, 2 repeat current, 3 random
    long double VolumeLevel = 0;
    // The volume knob's travel runs from 0 to this.
    static constexpr long double VolumeMaximum = 4.0L;

    // The bar's handlers stand in the files of their subsystems; each group
    // names its file.
    // Shell: creation here in player/Unit1.cpp; the close, the session save,
    // the disc watch and the disc load in shell/Startup.cpp.
    void FormCreate();
    void FormClose();
    // What the user changed (settings, favourites, place, loudness), kept:
    // at close, and when the desktop session asks while the program runs on.
    void SaveSession();
    void FormDestroy();
    void LoadDisc();
    void Timer2Timer();
    // Settings and play lists (player/UserSettings.cpp).
    void LoadUserSettings();
    void WriteUserSettings();
    void SavePlayList();
    void RestorePlayList();
    // Where the user left the volume: its entry and position, kept in the
    // volume's section.
    void SavePlace(double position);
    bool PlayStoredPlace();
    // Transport (player/Transport.cpp; the entry's picture in
    // catalogwin/EntryPicture.cpp). A start other than the entry's own start
    // mark resumes it.
    void PlayEntry(int N, std::optional<double> start = std::nullopt);
    void ShowEntryPicture(int N);
    void PlayBtnClick();
    void PauseBtnClick();
    void StopBtnClick();
    void KeepScreenAwake();
    void PlayPause(); // Pause while playing or paused, else Play
    // Within the current entry: never before its start; past its end, the
    // entry ends as it does on reaching it.
    void SeekBy(double seconds);
    // Time and seeking (player/Transport.cpp).
    void Timer1Timer();
    void ShowTime(int32_t minutes, int32_t seconds);
    void Gauge1MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Gauge1MouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Gauge1MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    // Play order (player/PlayOrder.cpp).
    void RepeatBtnClick();
    void RndBtnClick();
    void AllBtnClick();
    void NextBtnClick();
    void PrevBtnClick();
    void MediaPlayer1Notify();
    // The checked entries the order can play: those whose media file is there.
    bool EntryPlayable(int32_t N) const;
    static constexpr int Forward = 0;
    static constexpr int Backward = 1;
    int32_t NextPlayableEntry(int direction) const; // Forward or Backward; -1 for none
    int32_t RandomPlayableEntry() const;
    // Keyboard and window commands (player/WindowCommands.cpp).
    void FormKeyDown(int Key, Qt::KeyboardModifiers Shift);
    // Keys of the bar, the video window and the caption strip all come here.
    void PlayerKeyPress(QKeyEvent* event);
    void ToggleFullScreen();
    void ExitBtnClick();
    void MinBtnClick();
    void CatBtnClick();
    void ShowCatalogWindow();
    void OrgBtnClick();
    void FullBtnClick();
    void fcImageForm1PosChange();
    void FormMouseMove();
    // Loudness (volume/LoudnessCommands.cpp).
    void VolSliderSliderPosChange(long double x);
    void StepVolume(int direction); // +1 up, -1 down
    void VolUpBtnMouseDown();
    void VolDownBtnMouseDown();
    void VolUpBtnMouseUp();
    void VolNoBtnClick();
    // The wheel over the picture or the knob: a step per notch of 120.
    void WheelVolume(int angleDelta);
    void DrawVolumeIndicator(QPainter& canvas) const;
    // The loudness of the last run, from the program's own settings.
    void RestoreLoudness();
    void SaveLoudness();
    // Segment marks and maintenance (player/Maintenance.cpp).
    void SavePosButtonClick();
    void CustLoadBtnClick();
    void TestBtnClick();

signals:
    void Closed(); // the main window was closed: the program ends

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // player/Unit1.cpp
    void CreateComponents();
    void CreateLabels();
    void CreateButtons();
    void CreateMaintenanceButtons();
    void ConnectEvents();
    // player/WindowCommands.cpp
    bool MediaOpen() const;
    void ControlKey(int Key);
    void PlayerKey(int Key);
    // player/Transport.cpp
    int32_t GaugePosition(int X) const;
    // volume/LoudnessCommands.cpp
    void ShowMuteState();
    void StartVolumeRepeat(int direction);
    QWidget* VolumeIndicator = nullptr;    // paints the level wedge over the skin
    int VolumeStep = 0;                    // direction Timer3 steps in
    int WheelRest = 0;                     // wheel turned short of a notch
    TIdleInhibitor* ScreenAwake = nullptr; // made when a clip first plays
    // The knob's travel and Mute as restored, so that only a change is saved.
    std::pair<long double, bool> RestoredLoudness{0.0L, false};
    bool KeepRestoredMute = false;
    // A click on the bar may have the window manager raise the catalog with it.
    TViewAtPress* CatalogView = nullptr;
    std::pair<long double, bool> Loudness() const;
};

// Where the missing-files list of the file test goes.
QString PlayerErrorFilePath();

// The window globals: each window's handlers reach the others through them
// (MainForm here, CatForm2, VidOutForm, CaptionForm beside their windows).
// The windows include one another for that; it is the one circle among the
// program's headers, kept on one floor.
extern TMainForm* MainForm;

// Shared state of the shell.
extern bool DiscPresent;
extern bool StopAtSegmentEnd;
extern QString WorkDir;
extern QString FavFileName;
extern bool SettingsValid;
extern std::vector<std::string> PlayListLines; // single-byte lines, no line ends
