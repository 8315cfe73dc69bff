#include "ScriptedMediaPlayer.h"

#include "platform/Exceptions.h"

#include <algorithm>

TScriptedMediaPlayer::TScriptedMediaPlayer(QWidget* parent) : TWinMediaPlayer(parent) {}

void TScriptedMediaPlayer::Record(const QString& call) {
    Calls << call;
    if (PendingFailure.isEmpty())
        return;
    const QString message = PendingFailure;
    PendingFailure.clear();
    throw Exception(message.toStdString());
}

void TScriptedMediaPlayer::SetFileName(const QString& path) {
    Record("FileName=" + path);
    FileNameValue = path;
    Open = 0;
    State = mpStopped;
    Position = 0.0;
}

void TScriptedMediaPlayer::SetCurrentPosition(double seconds) {
    Record("CurrentPosition=" + QString::number(seconds));
    const double old = Position;
    Position = seconds;
    emit PositionChange(old, seconds);
}

void TScriptedMediaPlayer::SetVolume(int volume) {
    Record("Volume=" + QString::number(volume));
    VolumeValue = volume;
}

void TScriptedMediaPlayer::SetMute(bool mute) {
    Record(QString("Mute=") + (mute ? "1" : "0"));
    MuteValue = mute;
}

void TScriptedMediaPlayer::Play() {
    Record("Play");
    if (!FileNameValue.isEmpty())
        State = mpPlaying;
}

void TScriptedMediaPlayer::Stop() {
    Record("Stop");
    if (!FileNameValue.isEmpty())
        State = mpStopped;
}

void TScriptedMediaPlayer::Pause() {
    Record("Pause");
    if (!FileNameValue.isEmpty())
        State = mpPaused;
}

void TScriptedMediaPlayer::StepFrame(bool forward) {
    Record(QString("StepFrame=") + (forward ? "1" : "0"));
    if (FileNameValue.isEmpty())
        return;
    HasShownTime = false;
    Position = std::max(0.0, Position + (forward ? FrameSeconds : -FrameSeconds));
    State = mpPaused;
}

bool TScriptedMediaPlayer::GrabFrame() {
    Record("GrabFrame");
    return !FileNameValue.isEmpty();
}

void TScriptedMediaPlayer::SetImageSize(int width, int height) {
    Width = width;
    Height = height;
}

void TScriptedMediaPlayer::FinishOpening() {
    const int old = Open;
    Open = nsOpen;
    emit OpenStateChange(old, nsOpen);
    emit ReadyStateChange(ReadyStateComplete);
    if (Open == nsOpen && Position >= DurationValue)
        ReachEnd();
}

void TScriptedMediaPlayer::FailOpening() {
    FileNameValue.clear();
    Open = 0;
    State = mpStopped;
    Position = 0.0;
    DurationValue = 0.0;
    SetImageSize(0, 0);
    emit Error();
}

void TScriptedMediaPlayer::ReachEnd() {
    Position = DurationValue;
    State = mpStopped;
    emit EndOfStream(0);
}

void TScriptedMediaPlayer::PressMouse(Qt::MouseButton button, int x, int y) {
    emit MouseDown(button, Qt::NoModifier, x, y);
}

ScriptedMediaPlayerFactory::ScriptedMediaPlayerFactory() {
    SetMediaPlayerFactory([this](QWidget* parent) {
        auto* player = new TScriptedMediaPlayer(parent);
        LastPlayer = player;
        ++Created;
        return player;
    });
}

ScriptedMediaPlayerFactory::~ScriptedMediaPlayerFactory() {
    SetMediaPlayerFactory({});
}
