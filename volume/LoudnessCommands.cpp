// The player's loudness: the knob, the up, down and mute buttons, and the
// level wedge painted on the bar.
#include "player/Unit1.h"

#include "media/MediaPlayer_TLB.h"
#include "platform/SettingsFiles.h"
#include "skin/ImageSlider.h"
#include "skin/TMyFlatSpeedButtonUnit.h"
#include "video/VidOutUnit.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr long double VolumeStepSize = 0.2L;
constexpr int WheelNotch = 120; // angle delta of one notch of a mouse wheel

// A line drawn as GDI draws it: every pixel from the start
// up to, but not including, the end point.
void DrawLineWithoutEnd(QPainter& canvas, int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        canvas.drawPoint(x0, y0);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

} // namespace

void TMainForm::ShowMuteState() {
    VolNoBtn->SetDown(VidOutForm->ActiveMovie1->Mute());
}

void TMainForm::VolSliderSliderPosChange(long double x) {
    if (VidOutForm) {
        TWinMediaPlayer* control = VidOutForm->ActiveMovie1;
        control->SetVolume(-static_cast<int>(std::trunc(std::pow(10.0L, VolumeMaximum - x))));
        // Opening the first clip writes the knob: a mute kept from the last
        // run outlasts that.
        if (control->Mute() && !std::exchange(KeepRestoredMute, false)) {
            control->SetMute(false);
            ShowMuteState();
        }
    }
    VolumeLevel = x;
    VolumeIndicator->update();
}

void TMainForm::StepVolume(int direction) {
    long double v = VolSlider->SliderPosValue() + direction * VolumeStepSize;
    v = std::clamp(v, 0.0L, VolumeMaximum);
    VolSlider->SetSliderPosValue(v);
}

// A press unmutes at once; the level moves only if the button is still held
// at the first tick.
void TMainForm::StartVolumeRepeat(int direction) {
    KeepRestoredMute = false; // the user has taken the loudness in hand
    if (VidOutForm) {
        VidOutForm->ActiveMovie1->SetMute(false);
        ShowMuteState();
    }
    Timer3->stop();
    VolumeStep = direction;
    Timer3->start();
}

void TMainForm::VolUpBtnMouseDown() {
    StartVolumeRepeat(+1);
}

void TMainForm::VolDownBtnMouseDown() {
    StartVolumeRepeat(-1);
}

void TMainForm::VolUpBtnMouseUp() {
    Timer3->stop();
}

// Fine-grained wheels send parts of a notch; they add up to whole steps.
void TMainForm::WheelVolume(int angleDelta) {
    WheelRest += angleDelta;
    for (; WheelRest >= WheelNotch; WheelRest -= WheelNotch)
        StepVolume(+1);
    for (; WheelRest <= -WheelNotch; WheelRest += WheelNotch)
        StepVolume(-1);
}

void TMainForm::VolNoBtnClick() {
    KeepRestoredMute = false;
    if (!VidOutForm)
        return;
    TWinMediaPlayer* control = VidOutForm->ActiveMovie1;
    control->SetMute(!control->Mute());
    ShowMuteState();
}

std::pair<long double, bool> TMainForm::Loudness() const {
    return {VolumeLevel, VolNoBtn->Down()};
}

// The knob as a share of its travel, as desktop player widgets show it.
void TMainForm::RestoreLoudness() {
    const TPlayerSettings settings = ReadPlayerSettings();
    if (settings.Volume)
        VolSlider->SetSliderPosValue(std::clamp<long double>(*settings.Volume, 0.0L, 1.0L) *
                                     VolSlider->SliderMaxValue());
    if (settings.Mute && VidOutForm) {
        VidOutForm->ActiveMovie1->SetMute(true);
        ShowMuteState();
        KeepRestoredMute = true;
    }
    RestoredLoudness = Loudness();
}

// Only a change is written: a run that leaves the loudness alone writes nothing.
void TMainForm::SaveLoudness() {
    const auto [level, mute] = Loudness();
    if (Loudness() == RestoredLoudness)
        return;
    WritePlayerLoudness(static_cast<double>(level / VolSlider->SliderMaxValue()), mute);
}

void TMainForm::DrawVolumeIndicator(QPainter& canvas) const {
    const long double V = VolumeLevel;
    for (int i = 0; i <= 24; ++i) {
        const int t = static_cast<int>(std::trunc(V * 20 * i / 24));
        const int level = (90 + t) & 0xFF;
        QColor colour(70, level, level);
        if (i > static_cast<int>(std::trunc(V * 6)))
            colour = QColor(0, 50, 50);
        canvas.setPen(colour);
        canvas.drawPoint(218, 62 - 2 * i);
        const int end = 228 + static_cast<int>(std::trunc(std::pow(1.17L, i)));
        DrawLineWithoutEnd(canvas, 220, 60 - 2 * i, end, 62 - 2 * i);
    }
}
