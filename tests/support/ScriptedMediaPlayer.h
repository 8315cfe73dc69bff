#pragma once
// A playback control driven entirely by the test. It records every call the
// program makes, answers like the real control by default (Play gives state
// 2, Pause 1, Stop 0; a new file is loaded but not yet open), and raises the
// control's events only when the test says so, in the order the real control
// raises them.

#include "media/MediaPlayer_TLB.h"

#include <QPointer>
#include <QStringList>

class TScriptedMediaPlayer : public TWinMediaPlayer {
    Q_OBJECT
public:
    explicit TScriptedMediaPlayer(QWidget* parent = nullptr);

    QString FileName() const override { return FileNameValue; }
    void SetFileName(const QString& path) override;
    double CurrentPosition() const override { return Position; }
    void SetCurrentPosition(double seconds) override;
    double Duration() const override { return DurationValue; }
    int ImageSourceWidth() const override { return Width; }
    int ImageSourceHeight() const override { return Height; }
    int PlayState() const override { return State; }
    int OpenState() const override { return Open; }
    int Volume() const override { return VolumeValue; }
    void SetVolume(int volume) override;
    bool Mute() const override { return MuteValue; }
    void SetMute(bool mute) override;
    void Play() override;
    void Stop() override;
    void Pause() override;
    // The shown frame's time stamp is the position unless the test sets one.
    double ShownFrameTime() const override { return HasShownTime ? ShownTime : Position; }
    // "StepFrame=1" forward, "StepFrame=0" back: a frame of FrameSeconds,
    // paused, not before 0.
    void StepFrame(bool forward) override;
    // "GrabFrame"; the picture comes only when the test calls DeliverFrame.
    bool GrabFrame() override;

    // Calls in order, e.g. "FileName=/d/Video/a.AVI", "CurrentPosition=12.5",
    // "Play", "Pause", "Stop", "Volume=-500", "Mute=1". Reads are not logged.
    QStringList Calls;
    int CallCount(const QString& call) const { return Calls.count(call); }

    // Set what the control reports, without logging and without events.
    void SetPlayState(int state) { State = state; }
    void SetPosition(double seconds) { Position = seconds; }
    void SetDuration(double seconds) { DurationValue = seconds; }
    void SetImageSize(int width, int height);
    void SetOpenState(int state) { Open = state; }
    void SetVolumeValue(int volume) { VolumeValue = volume; }
    void SetShownFrameTime(double seconds) {
        ShownTime = seconds;
        HasShownTime = true;
    }
    double FrameSeconds = 0.04;
    void DeliverFrame(const QImage& frame) { emit FrameGrabbed(frame); }

    // Media are open: OpenStateChange(old, 6), then ReadyStateChange(4); a
    // position at or past the end then ends the file at once (ReachEnd).
    // Duration and size are those set before (defaults 600 s, 320x240).
    void FinishOpening();
    // The file could not be opened: no media remain (no name, duration,
    // size or position) and Error() is raised.
    void FailOpening();
    // Playback reached the end: position = duration, state 0, EndOfStream(0).
    void ReachEnd();
    // A mouse press on the picture.
    void PressMouse(Qt::MouseButton button, int x = 0, int y = 0);
    // The next call that changes something (a write or a method) throws an
    // Exception with this text instead, as the real control does on failure.
    void FailNextCall(const QString& message) { PendingFailure = message; }

private:
    void Record(const QString& call);

    QString FileNameValue;
    double Position = 0.0;
    double DurationValue = 600.0;
    int Width = 320;
    int Height = 240;
    int State = mpStopped;
    int Open = 0;
    int VolumeValue = 0;
    bool MuteValue = false;
    double ShownTime = 0.0;
    bool HasShownTime = false;
    QString PendingFailure;
};

// Installs a factory that makes scripted controls for as long as it lives;
// the libmpv control comes back when it goes.
class ScriptedMediaPlayerFactory {
public:
    ScriptedMediaPlayerFactory();
    ~ScriptedMediaPlayerFactory();
    ScriptedMediaPlayerFactory(const ScriptedMediaPlayerFactory&) = delete;
    ScriptedMediaPlayerFactory& operator=(const ScriptedMediaPlayerFactory&) = delete;

    // The control made last (null if none yet, or once it was destroyed).
    TScriptedMediaPlayer* Last() const { return LastPlayer; }
    int CreatedCount() const { return Created; }

private:
    QPointer<TScriptedMediaPlayer> LastPlayer;
    int Created = 0;
};
