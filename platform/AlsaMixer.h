#pragma once
// The sound devices' mixer levels. A level word holds the left channel in its
// low 16 bits and the right in its high 16 bits, each 0 (silent) .. 65535.

#include <cstdint>
#include <memory>
#include <optional>

class TMixerDevices {
public:
    virtual ~TMixerDevices() = default;
    // Channels: 0 CD audio, 1 wave output, 2 synthesizer.
    virtual bool HasDevice(int channel) const = 0;
    virtual std::optional<uint32_t> ReadLevel(int channel) = 0;
    virtual void WriteLevel(int channel, uint32_t level) = 0;
};

// The default card's mixer: "CD", "PCM" (else "Master") and "Synth". Channels
// whose element is missing, and all of them without a card, have no device.
std::unique_ptr<TMixerDevices> OpenAlsaMixer();
bool AlsaCardPresent();

// Between an element's own volume range and the 16-bit halves of a level word.
uint16_t MixerValueToWord(long value, long min, long max);
long WordToMixerValue(uint16_t word, long min, long max);
