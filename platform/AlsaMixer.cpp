#include "platform/AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <array>
#include <cstdarg>

namespace {

// alsa-lib writes its complaints to stderr, even for a machine without a card.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

snd_mixer_elem_t* FindElement(snd_mixer_t* mixer, const char* name) {
    snd_mixer_selem_id_t* id;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, name);
    snd_mixer_elem_t* element = snd_mixer_find_selem(mixer, id);
    return element && snd_mixer_selem_has_playback_volume(element) ? element : nullptr;
}

class TAlsaMixer : public TMixerDevices {
public:
    TAlsaMixer() {
        snd_lib_error_set_handler(IgnoreAlsaError);
        if (snd_mixer_open(&Mixer, 0) < 0) {
            Mixer = nullptr;
            return;
        }
        if (snd_mixer_attach(Mixer, "default") < 0 ||
            snd_mixer_selem_register(Mixer, nullptr, nullptr) < 0 || snd_mixer_load(Mixer) < 0) {
            snd_mixer_close(Mixer);
            Mixer = nullptr;
            return;
        }
        Elements[0] = FindElement(Mixer, "CD");
        Elements[1] = FindElement(Mixer, "PCM");
        if (!Elements[1])
            Elements[1] = FindElement(Mixer, "Master");
        Elements[2] = FindElement(Mixer, "Synth");
    }
    ~TAlsaMixer() override {
        if (Mixer)
            snd_mixer_close(Mixer);
    }
    TAlsaMixer(const TAlsaMixer&) = delete;
    TAlsaMixer& operator=(const TAlsaMixer&) = delete;

    bool HasDevice(int channel) const override { return Element(channel) != nullptr; }

    std::optional<uint32_t> ReadLevel(int channel) override {
        snd_mixer_elem_t* element = Element(channel);
        if (!element)
            return std::nullopt;
        snd_mixer_handle_events(Mixer); // take in changes made by other programs
        long min = 0;
        long max = 0;
        long left = 0;
        long right = 0;
        if (snd_mixer_selem_get_playback_volume_range(element, &min, &max) < 0 ||
            snd_mixer_selem_get_playback_volume(element, SND_MIXER_SCHN_FRONT_LEFT, &left) < 0)
            return std::nullopt;
        if (snd_mixer_selem_is_playback_mono(element) ||
            snd_mixer_selem_get_playback_volume(element, SND_MIXER_SCHN_FRONT_RIGHT, &right) < 0)
            right = left;
        return MixerValueToWord(left, min, max) |
               static_cast<uint32_t>(MixerValueToWord(right, min, max)) << 16;
    }

    void WriteLevel(int channel, uint32_t level) override {
        snd_mixer_elem_t* element = Element(channel);
        long min = 0;
        long max = 0;
        if (!element || snd_mixer_selem_get_playback_volume_range(element, &min, &max) < 0)
            return;
        const long left = WordToMixerValue(static_cast<uint16_t>(level & 0xFFFF), min, max);
        const long right = WordToMixerValue(static_cast<uint16_t>(level >> 16), min, max);
        if (snd_mixer_selem_is_playback_mono(element)) {
            snd_mixer_selem_set_playback_volume_all(element, (left + right) / 2);
            return;
        }
        snd_mixer_selem_set_playback_volume(element, SND_MIXER_SCHN_FRONT_LEFT, left);
        snd_mixer_selem_set_playback_volume(element, SND_MIXER_SCHN_FRONT_RIGHT, right);
    }

private:
    snd_mixer_elem_t* Element(int channel) const {
        return channel >= 0 && channel < 3 ? Elements[static_cast<size_t>(channel)] : nullptr;
    }

    snd_mixer_t* Mixer = nullptr;
    std::array<snd_mixer_elem_t*, 3> Elements{};
};

} // namespace

std::unique_ptr<TMixerDevices> OpenAlsaMixer() {
    return std::make_unique<TAlsaMixer>();
}

bool AlsaCardPresent() {
    int card = -1;
    return snd_card_next(&card) == 0 && card >= 0;
}

uint16_t MixerValueToWord(long value, long min, long max) {
    if (max <= min)
        return 0;
    const long long clamped = std::clamp(value, min, max) - min;
    return static_cast<uint16_t>((clamped * 65535 + (max - min) / 2) / (max - min));
}

long WordToMixerValue(uint16_t word, long min, long max) {
    if (max <= min)
        return min;
    return min + static_cast<long>((static_cast<long long>(word) * (max - min) + 32767) / 65535);
}
