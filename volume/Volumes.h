#pragma once
// Reads and sets the mixer levels of three sound devices on a 0..255 scale and
// mirrors each into a slider that may be linked to it; moving a linked slider
// sets the level.

#include <QObject>
#include <QPointer>
#include <QSlider>

#include <array>
#include <cstdint>
#include <memory>

class QTimer;
class TMixerDevices;

class TVolumeControl : public QObject {
    Q_OBJECT
public:
    enum Channel { CDChannel = 0, WaveChannel = 1, MidiChannel = 2 };

    explicit TVolumeControl(QObject* owner = nullptr);
    TVolumeControl(std::unique_ptr<TMixerDevices> mixer, QObject* owner);
    ~TVolumeControl() override;

    int Interval() const;
    void SetInterval(int milliseconds);

    uint8_t GetVolume(int channel) const;
    void SetVolume(int channel, uint8_t volume);
    QSlider* TrackBar(int channel) const { return TrackBars[static_cast<size_t>(channel)]; }
    void SetTrackBar(int channel, QSlider* bar);

    uint8_t CDVolume() const { return GetVolume(CDChannel); }
    void SetCDVolume(uint8_t volume) { SetVolume(CDChannel, volume); }
    uint8_t WaveVolume() const { return GetVolume(WaveChannel); }
    void SetWaveVolume(uint8_t volume) { SetVolume(WaveChannel, volume); }
    uint8_t MidiVolume() const { return GetVolume(MidiChannel); }
    void SetMidiVolume(uint8_t volume) { SetVolume(MidiChannel, volume); }
    QSlider* CDTrackBar() const { return TrackBar(CDChannel); }
    void SetCDTrackBar(QSlider* bar) { SetTrackBar(CDChannel, bar); }
    QSlider* WaveTrackBar() const { return TrackBar(WaveChannel); }
    void SetWaveTrackBar(QSlider* bar) { SetTrackBar(WaveChannel, bar); }
    QSlider* MidiTrackBar() const { return TrackBar(MidiChannel); }
    void SetMidiTrackBar(QSlider* bar) { SetTrackBar(MidiChannel, bar); }

    // Device number of a channel; -1 when the channel has no device.
    int32_t DeviceId(int channel) const { return DeviceIds[static_cast<size_t>(channel)]; }

    void RefreshTrackBars();
    void TrackBarChanged(QSlider* bar);

private:
    void FindDevices();
    void Link(int channel);

    std::unique_ptr<TMixerDevices> Mixer;
    std::array<int32_t, 3> DeviceIds{-1, -1, -1};
    std::array<QPointer<QSlider>, 3> TrackBars;
    std::array<QMetaObject::Connection, 3> Links;
    QTimer* RefreshTimer;
};
