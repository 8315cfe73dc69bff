// Opening an entry, the transport buttons, the time display and seeking.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalogwin/CatUnit2.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/IdleInhibitor.h"
#include "platform/SessionBus.h"
#include "shell/Pathes.h"
#include "skin/MyGauges.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/CaptionUnit.h"
#include "video/VidOutUnit.h"

#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

// The entry's media file; empty when it is missing.
QString MediaPath(const CatalogRecord& entry) {
    const QString path = LocateFile(EntryVideoFile(entry));
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

// An entry of the catalog the player has loaded.
const CatalogRecord* LoadedEntry(int N) {
    return CatalogLoaded ? RecordAt(N) : nullptr;
}

} // namespace

bool TMainForm::EntryPlayable(int32_t N) const {
    const CatalogRecord* entry = LoadedEntry(N);
    return entry && !MediaPath(*entry).isEmpty();
}

// Shows its result without running the message loop: a command that arrives
// meanwhile waits for this one to finish.
void TMainForm::PlayEntry(int N, std::optional<double> start) {
    const CatalogRecord* record = LoadedEntry(N);
    if (!record)
        return;
    const CatalogRecord& entry = *record;
    const QString path = MediaPath(entry);
    // A missing file leaves the current entry playing as it was, end mark included.
    if (path.isEmpty())
        return;
    StopAtSegmentEnd = true;
    Label5->setText(EntryMediaFileName(entry));
    AllBtn->setVisible(entry.EndPos != 0.0);
    if (CaptionForm)
        CaptionForm->SetCaptionText(EntryTitle(entry));
    // The record is packed: its field is copied, never bound to a reference.
    const double from = start ? *start : double{entry.StartPos};
    VidOutForm->OpenMedia(path, from);
    const int32_t previous = CurrentIndex;
    CurrentIndex = N;
    ShowEntryPicture(N);
    CatForm2->SelectEntry(N);
    CatForm2->RepaintEntry(previous);
    raise();
    VidOutForm->BringForward();
    // Last, so that a save that fails leaves the entry change whole.
    if (previous != N)
        SavePlace(from);
}

void TMainForm::PlayBtnClick() {
    VidOutForm->PlayMedia();
    KeepScreenAwake();
}

void TMainForm::PauseBtnClick() {
    VidOutForm->PauseMedia();
    KeepScreenAwake();
}

void TMainForm::StopBtnClick() {
    VidOutForm->StopMedia();
    KeepScreenAwake();
}

// The screen stays awake while a clip plays, and only then. The buttons
// settle it at once; the position poll catches what the engine does by
// itself (starting a clip, reaching the end).
void TMainForm::KeepScreenAwake() {
    const bool playing = VidOutForm && VidOutForm->PlayState() == mpPlaying;
    if (!ScreenAwake && !playing)
        return;
    if (!ScreenAwake)
        ScreenAwake = new TIdleInhibitor(SessionBus(), QStringLiteral("Quorvix Player"),
                                         tr("Playing a clip"), this);
    ScreenAwake->SetInhibited(playing);
}

// From Stopped the Pause button would do nothing.
void TMainForm::PlayPause() {
    const int state = VidOutForm->PlayState();
    if (state == mpPlaying || state == mpPaused)
        PauseBtnClick();
    else
        PlayBtnClick();
}

// The entry ends at its end mark, or with Play All File or without a mark at
// the end of its file.
void TMainForm::SeekBy(double seconds) {
    const CatalogRecord* record = RecordAt(CurrentIndex);
    if (!MediaOpen() || !record)
        return;
    const CatalogRecord& entry = *record;
    TWinMediaPlayer* control = VidOutForm->ActiveMovie1;
    const double end = StopAtSegmentEnd && entry.EndPos != 0.0 ? entry.EndPos : control->Duration();
    const double target = std::max(control->CurrentPosition() + seconds, double{entry.StartPos});
    if (end > 0.0 && target >= end)
        MediaPlayer1Notify();
    else
        control->SetCurrentPosition(target);
}

void TMainForm::Timer1Timer() {
    if (VidOutForm)
        VidOutForm->PollPosition();
    KeepScreenAwake();
}

void TMainForm::ShowTime(int32_t minutes, int32_t seconds) {
    const QString text = TimeText(minutes / 60, minutes % 60, seconds);
    // Repainting an unchanged text would only cost a redraw every tick.
    if (Label2->text() == text)
        return;
    Label2->setText(text);
    Label2->repaint();
}

int32_t TMainForm::GaugePosition(int X) const {
    const int width = Gauge1->width();
    const int x = std::clamp(X, 0, width);
    return static_cast<int32_t>((static_cast<int64_t>(Gauge1->MaxValue()) * x) / width);
}

void TMainForm::Gauge1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    StopAtSegmentEnd = false;
    AllBtn->SetDown(false);
    Timer1->stop();
}

void TMainForm::Gauge1MouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int) {
    Gauge1->setCursor(Qt::SplitHCursor);
    if (!(Button & Qt::LeftButton))
        return;
    const int32_t position = GaugePosition(X);
    Gauge1->SetProgress(position);
    ShowTime(position / 60, position % 60);
}

void TMainForm::Gauge1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int) {
    const int32_t position = GaugePosition(X);
    Gauge1->SetProgress(position);
    VidOutForm->PauseIfPlaying();
    VidOutForm->ActiveMovie1->SetCurrentPosition(position);
    VidOutForm->PlayMedia();
    Timer1->start();
}
