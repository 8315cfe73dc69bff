#pragma once
// The playback control hosted by the video window. The window logic only
// knows this interface; the real one is backed by libmpv, tests use a
// scripted double.

#include <QImage>
#include <QWidget>

#include <functional>

enum TMediaPlayState : int { mpStopped = 0, mpPaused = 1, mpPlaying = 2, mpWaiting = 3 };
constexpr int nsOpen = 6;             // open state: media open
constexpr int ReadyStateComplete = 4; // ready state: loaded

class TWinMediaPlayer : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Writing loads the file without starting it; empty closes the media.
    virtual QString FileName() const = 0;
    virtual void SetFileName(const QString& path) = 0;
    // Seconds. Written right after a new FileName, it is where playback starts.
    virtual double CurrentPosition() const = 0;
    virtual void SetCurrentPosition(double seconds) = 0;
    virtual double Duration() const = 0;
    virtual int ImageSourceWidth() const = 0;
    virtual int ImageSourceHeight() const = 0;
    virtual int PlayState() const = 0; // TMediaPlayState
    virtual int OpenState() const = 0; // nsOpen when media is open
    // Hundredths of a decibel: 0 full, negative quieter.
    virtual int Volume() const = 0;
    virtual void SetVolume(int volume) = 0;
    virtual bool Mute() const = 0;
    virtual void SetMute(bool mute) = 0;

    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Pause() = 0;

    // True when the picture is a native window of its own over the whole
    // control, drawn without the host window's help.
    virtual bool HasOwnSurface() const { return false; }

    // For marking: the time stamp of the frame on screen, in seconds. Unlike
    // a position that was just written, it names a frame the user has seen.
    virtual double ShownFrameTime() const { return CurrentPosition(); }
    // One frame on or back; the control is paused afterwards. Nothing happens
    // where the control can't step.
    virtual void StepFrame(bool forward) { (void)forward; }
    // Asks for a copy of the frame on screen, which FrameGrabbed brings
    // (an empty image when none could be had); false when none will come.
    virtual bool GrabFrame() { return false; }

signals:
    void OpenStateChange(int OldState, int NewState);
    void ReadyStateChange(int ReadyState);
    void EndOfStream(int Result_);
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    // The second press of a double click; MouseDown comes for it too.
    void DblClick(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void PositionChange(double oldPosition, double newPosition);
    void Error();
    void FrameGrabbed(const QImage& frame);
};

// How the picture is drawn. Auto: with OpenGL where it runs on real
// hardware, in software where it is only emulated or missing.
enum class TVideoOutput { Auto, OpenGL, Software };

// The user's choices for the control, read by whoever makes it.
struct TMediaPlayerOptions {
    TVideoOutput Video = TVideoOutput::Auto;
    // Decoding on the graphics hardware, only ever with OpenGL on real hardware.
    bool HardwareDecoding = true;
};

// How the video window makes its control; tests install the scripted double.
// An empty factory brings back the libmpv control.
using TMediaPlayerFactory = std::function<TWinMediaPlayer*(QWidget* parent)>;
void SetMediaPlayerFactory(TMediaPlayerFactory factory);
TWinMediaPlayer* CreateMediaPlayer(QWidget* parent, const TMediaPlayerOptions& options = {});
