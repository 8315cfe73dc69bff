#include "volume/Volumes.h"

#include "platform/AlsaMixer.h"

#include <QTimer>

TVolumeControl::TVolumeControl(QObject* owner) : TVolumeControl(OpenAlsaMixer(), owner) {}

TVolumeControl::TVolumeControl(std::unique_ptr<TMixerDevices> mixer, QObject* owner)
    : QObject(owner), Mixer(std::move(mixer)), RefreshTimer(new QTimer(this)) {
    connect(RefreshTimer, &QTimer::timeout, this, &TVolumeControl::RefreshTrackBars);
    RefreshTimer->start(500);
    FindDevices();
}

TVolumeControl::~TVolumeControl() {
    for (const auto& link : Links)
        disconnect(link);
}

int TVolumeControl::Interval() const {
    return RefreshTimer->interval();
}
void TVolumeControl::SetInterval(int milliseconds) {
    RefreshTimer->setInterval(milliseconds);
}

void TVolumeControl::FindDevices() {
    for (int channel = 0; channel < 3; ++channel)
        DeviceIds[static_cast<size_t>(channel)] = Mixer->HasDevice(channel) ? channel : -1;
}

uint8_t TVolumeControl::GetVolume(int channel) const {
    uint32_t level = 0;
    if (DeviceId(channel) != -1)
        level = Mixer->ReadLevel(channel).value_or(0);
    return static_cast<uint8_t>(((level & 0xFFFF) + (level >> 16)) >> 9);
}

void TVolumeControl::SetVolume(int channel, uint8_t volume) {
    if (DeviceId(channel) == -1)
        return;
    const uint32_t half = static_cast<uint32_t>(volume) << 8; // 255 gives 65280, not 65535
    Mixer->WriteLevel(channel, half | half << 16);
}

void TVolumeControl::SetTrackBar(int channel, QSlider* bar) {
    const auto index = static_cast<size_t>(channel);
    if (TrackBars[index] == bar)
        return;
    disconnect(Links[index]);
    TrackBars[index] = bar;
    if (bar)
        Link(channel);
    RefreshTrackBars();
}

// Only moves made by the user count: positions set by a refresh never write a level back.
void TVolumeControl::Link(int channel) {
    QSlider* bar = TrackBar(channel);
    Links[static_cast<size_t>(channel)] = connect(bar, &QAbstractSlider::actionTriggered, this,
                                                  [this, bar] { TrackBarChanged(bar); });
}

void TVolumeControl::RefreshTrackBars() {
    for (int channel = 0; channel < 3; ++channel) {
        QSlider* bar = TrackBar(channel);
        if (!bar)
            continue;
        bar->setRange(0, 255);
        const int volume = GetVolume(channel);
        bar->setValue(bar->orientation() == Qt::Vertical ? 255 - volume : volume);
    }
}

void TVolumeControl::TrackBarChanged(QSlider* bar) {
    const int position = bar->sliderPosition();
    for (int channel = 0; channel < 3; ++channel) {
        if (TrackBar(channel) != bar)
            continue;
        const int volume = bar->orientation() == Qt::Vertical ? 255 - position : position;
        SetVolume(channel, static_cast<uint8_t>(volume & 0xFF));
    }
}
