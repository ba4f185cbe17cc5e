// The sound library's bookkeeping: loaded samples by id and path, and the
// channel slots recording which channels scripts started and how long each
// has left. Knows nothing of the output device beyond its sample handles.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/sound_device.h"

struct SoundSample {
    uint16_t id = 0;
    std::string path;
    SoundDevice::Sample* sample = nullptr; // owned through the device
};

class SampleTable {
public:
    // Byte-wise path comparison.
    const SoundSample* FindByPath(const char* path) const;
    const SoundSample* FindById(uint16_t id) const;
    // Appends the sample under the next id: one more than the last, never 0,
    // 65535 (the free-slot mark) or an id still loaded.
    uint16_t Add(const char* path, SoundDevice::Sample* sample);
    // Removes the entry, keeping the order of the rest; its handle, or null.
    SoundDevice::Sample* Remove(uint16_t id);
    // Empties the table; the handles for freeing. The id counter keeps counting.
    std::vector<SoundDevice::Sample*> TakeAll();
    size_t Size() const { return samples.size(); }

private:
    std::vector<SoundSample> samples;
    uint16_t counter = 0;
};

constexpr uint16_t kFreeSlotId = 65535;
constexpr size_t kChannelSlotCount = 512;

struct ChannelSlot {
    uint16_t sampleId = kFreeSlotId;
    int32_t channel = -1;
    bool looping = false;
    bool paused = false;
    float remaining = 0.0f; // seconds before release (or re-arming, when looping)

    bool InUse() const { return sampleId != kFreeSlotId; }
};

// Whole seconds of a sample played at this frequency, rounded down; 0 when
// the frequency is unknown.
float WholeSecondDuration(uint32_t lengthFrames, int frequency);

class ChannelSlots {
public:
    void FreeAll();
    // Fills the lowest free slot; false when all are taken (the channel then
    // stays unknown). A slot still holding this channel from an earlier sound
    // is released first: the device hands a channel out again only once that
    // sound has ended.
    bool Record(uint16_t sampleId, int32_t channel, bool looping, float duration);
    // The slot in use holding this channel, or null.
    ChannelSlot* Find(int32_t channel);
    void ReleaseChannel(int32_t channel);
    void ReleaseSample(uint16_t sampleId);
    // One frame: an unpaused slot whose time has run out is released, or
    // re-armed with durationOf(slot) when looping; then its time goes down.
    void Countdown(float frameTime, const std::function<float(const ChannelSlot&)>& durationOf);
    size_t InUse() const;

private:
    std::array<ChannelSlot, kChannelSlotCount> slots{};
};
