#include "media/sound_tables.h"

#include <algorithm>

// ---------------------------------------------------------------- samples

const SoundSample* SampleTable::FindByPath(const char* path) const {
    for (const SoundSample& entry : samples)
        if (entry.path == path) return &entry;
    return nullptr;
}

const SoundSample* SampleTable::FindById(uint16_t id) const {
    for (const SoundSample& entry : samples)
        if (entry.id == id) return &entry;
    return nullptr;
}

uint16_t SampleTable::Add(const char* path, SoundDevice::Sample* sample) {
    // After 65534 loads the counter wraps; skipping the reserved values and
    // the ids in use keeps every id unique. The table can never hold them all.
    do {
        ++counter;
    } while (counter == 0 || counter == kFreeSlotId || FindById(counter));
    samples.push_back({counter, path, sample});
    return counter;
}

SoundDevice::Sample* SampleTable::Remove(uint16_t id) {
    auto entry = std::ranges::find(samples, id, &SoundSample::id);
    if (entry == samples.end()) return nullptr;
    SoundDevice::Sample* sample = entry->sample;
    samples.erase(entry);
    return sample;
}

std::vector<SoundDevice::Sample*> SampleTable::TakeAll() {
    std::vector<SoundDevice::Sample*> handles;
    for (const SoundSample& entry : samples) handles.push_back(entry.sample);
    samples.clear();
    return handles;
}

// ---------------------------------------------------------------- channel slots

float WholeSecondDuration(uint32_t lengthFrames, int frequency) {
    if (frequency <= 0) return 0.0f;
    return static_cast<float>(lengthFrames / static_cast<uint32_t>(frequency));
}

void ChannelSlots::FreeAll() { slots.fill(ChannelSlot{}); }

bool ChannelSlots::Record(uint16_t sampleId, int32_t channel, bool looping, float duration) {
    ReleaseChannel(channel);
    auto free = std::ranges::find_if(slots, [](const ChannelSlot& slot) { return !slot.InUse(); });
    if (free == slots.end()) return false;
    *free = ChannelSlot{sampleId, channel, looping, false, duration};
    return true;
}

ChannelSlot* ChannelSlots::Find(int32_t channel) {
    for (ChannelSlot& slot : slots)
        if (slot.InUse() && slot.channel == channel) return &slot;
    return nullptr;
}

void ChannelSlots::ReleaseChannel(int32_t channel) {
    for (ChannelSlot& slot : slots)
        if (slot.InUse() && slot.channel == channel) slot = ChannelSlot{};
}

void ChannelSlots::ReleaseSample(uint16_t sampleId) {
    for (ChannelSlot& slot : slots)
        if (slot.InUse() && slot.sampleId == sampleId) slot = ChannelSlot{};
}

void ChannelSlots::Countdown(float frameTime,
                             const std::function<float(const ChannelSlot&)>& durationOf) {
    for (ChannelSlot& slot : slots) {
        if (!slot.InUse() || slot.paused) continue;
        if (slot.remaining <= 0.0f) {
            if (!slot.looping) {
                slot = ChannelSlot{};
                continue;
            }
            slot.remaining += durationOf(slot);
        }
        slot.remaining -= frameTime;
    }
}

size_t ChannelSlots::InUse() const {
    return static_cast<size_t>(std::ranges::count_if(slots, &ChannelSlot::InUse));
}
