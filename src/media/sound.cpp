// The sound library: samples by id, the channel slots scripts address, the
// one music stream, and the media start-up, per-frame update and shutdown.
#include "media/sound.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "media/sound_library.h"
#include "media/sound_tables.h"
#include "media/video.h"

namespace {

constexpr int kOutputRate = 44000;

bool soundEnabled = false;
bool streamEnabled = false;
SampleTable sampleTable;
ChannelSlots channelSlots;
SoundDevice::Stream* stream = nullptr;
int streamChannel = SoundDevice::kNoChannel;

// Clamp where NaN (0/0 from a script) counts as the lowest value.
float ClampValue(double value, float low, float high) {
    if (!(value >= low)) return low;
    return value > high ? high : static_cast<float>(value);
}

// The known channel's slot, or null.
ChannelSlot* KnownChannel(int32_t channel) {
    return soundEnabled ? channelSlots.Find(channel) : nullptr;
}

float SlotDuration(const ChannelSlot& slot) {
    const SoundSample* entry = sampleTable.FindById(slot.sampleId);
    if (!entry) return 0.0f;
    return WholeSecondDuration(SoundDevice::SampleGetLength(entry->sample),
                               SoundDevice::GetFrequency(slot.channel));
}

} // namespace

// ---------------------------------------------------------------- start-up and shutdown

void StartSound() {
    if (SoundDevice::Init(kOutputRate, SoundDevice::kChannelCount)) {
        soundEnabled = streamEnabled = true;
        printf("Sound IS OK!\n");
        SoundDevice::SetSpectrumActive(true);
    } else {
        fprintf(stderr, "[ERROR] Unable to initialise and run fmod. Is fmod.dll is the system path?\n");
        printf("Error!\n");
        printf("%s\n", SoundDevice::ErrorText(SoundDevice::GetError()));
        soundEnabled = streamEnabled = false;
    }
    DetectBgrUpload();
    channelSlots.FreeAll();
}

void UpdateMedia(float frameTime) {
    AdvanceVideos(frameTime);
    UpdateChannelSlots(frameTime);
}

void StopSound() {
    VideoCleanup();
    CloseStream();
    DeleteAllSamples();
    SoundDevice::Close();
    soundEnabled = streamEnabled = false;
}

bool SoundEnabled() { return soundEnabled; }

// ---------------------------------------------------------------- samples

uint16_t LoadSample(const char* path) {
    if (!soundEnabled || !path) return 0;
    if (const SoundSample* loaded = sampleTable.FindByPath(path)) return loaded->id;
    SoundDevice::Sample* sample = SoundDevice::SampleLoad(path);
    if (!sample) return 0;
    return sampleTable.Add(path, sample);
}

int PlaySample(uint16_t id, bool looping) {
    if (!soundEnabled) return 0;
    const SoundSample* entry = sampleTable.FindById(id);
    if (!entry) return 0;
    int channel = SoundDevice::PlaySound(entry->sample);
    if (channel == SoundDevice::kNoChannel) return 0;
    float duration = WholeSecondDuration(SoundDevice::SampleGetLength(entry->sample),
                                         SoundDevice::GetFrequency(channel));
    SoundDevice::SetLoopMode(channel, looping ? SoundDevice::LoopMode::Normal : SoundDevice::LoopMode::Off);
    channelSlots.Record(id, channel, looping, duration);
    return channel;
}

void DeleteSample(uint16_t id) {
    if (!soundEnabled) return;
    channelSlots.ReleaseSample(id);
    if (SoundDevice::Sample* sample = sampleTable.Remove(id)) SoundDevice::SampleFree(sample);
}

void DeleteAllSamples() {
    if (!soundEnabled) return;
    for (SoundDevice::Sample* sample : sampleTable.TakeAll()) SoundDevice::SampleFree(sample);
    channelSlots.FreeAll();
}

void UpdateChannelSlots(float frameTime) {
    if (!soundEnabled) return;
    SoundDevice::Update();
    channelSlots.Countdown(frameTime, SlotDuration);
}

// ---------------------------------------------------------------- channels

int GetChannelFrequency(int32_t channel) {
    return KnownChannel(channel) ? SoundDevice::GetFrequency(channel) : 0;
}

float GetChannelPan(int32_t channel) {
    if (!KnownChannel(channel)) return 0.0f;
    return SoundDevice::GetPan(channel) * 0.003921569f * 2.0f - 1.0f;
}

float GetChannelVolume(int32_t channel) {
    if (!KnownChannel(channel)) return 0.0f;
    return SoundDevice::GetVolume(channel) * 0.003921569f;
}

bool IsChannelPlaying(int32_t channel) {
    return KnownChannel(channel) && SoundDevice::IsPlaying(channel);
}

void PauseChannel(int32_t channel) {
    if (ChannelSlot* slot = KnownChannel(channel)) {
        slot->paused = true;
        SoundDevice::SetPaused(channel, true);
    }
}

void UnPauseChannel(int32_t channel) {
    if (ChannelSlot* slot = KnownChannel(channel)) {
        slot->paused = false;
        SoundDevice::SetPaused(channel, false);
    }
}

void StopChannel(int32_t channel) {
    if (!KnownChannel(channel)) return;
    SoundDevice::StopSound(channel);
    channelSlots.ReleaseChannel(channel);
}

void SetChannelFrequency(int32_t channel, int32_t hz) {
    int64_t magnitude = std::llabs(static_cast<int64_t>(hz)); // -2^31 has no 32-bit absolute value
    int clamped = static_cast<int>(std::clamp<int64_t>(magnitude, 100, 705600));
    if (KnownChannel(channel)) SoundDevice::SetFrequency(channel, clamped);
}

void SetChannelPan(int32_t channel, double pan) {
    float clamped = ClampValue(pan, -1.0f, 1.0f);
    if (KnownChannel(channel)) SoundDevice::SetPan(channel, static_cast<int>((clamped + 1.0f) * 127.5f));
}

void SetChannelVolume(int32_t channel, double volume) {
    float clamped = ClampValue(volume, 0.0f, 1.0f);
    if (KnownChannel(channel)) SoundDevice::SetVolume(channel, static_cast<int>(clamped * 255.0f));
}

void SetChannelPosition(int32_t channel, float x, float y, float z) {
    if (!KnownChannel(channel)) return;
    const float position[3] = {x, y, z};
    const float velocity[3] = {0.0f, 0.0f, 0.0f};
    SoundDevice::Set3DAttributes(channel, position, velocity);
}

// ---------------------------------------------------------------- music

bool PlayStream(const char* path) {
    if (!streamEnabled) {
        printf("NO SOUND\n");
        return false;
    }
    if (stream) CloseStream();
    stream = path ? SoundDevice::StreamOpen(path) : nullptr;
    if (!stream) return false;
    streamChannel = SoundDevice::StreamPlay(stream);
    if (streamChannel == SoundDevice::kNoChannel) return false;
    // The music's channel is no sample's any more.
    channelSlots.ReleaseChannel(streamChannel);
    return true;
}

int CloseStream() {
    if (!streamEnabled || !stream) return 0;
    SoundDevice::StreamStop(stream);
    SoundDevice::StreamClose(stream);
    stream = nullptr;
    streamChannel = SoundDevice::kNoChannel;
    return 1;
}

// The stream's channel is touched only while the stream holds it: once the
// music is closed that channel may be playing someone else's sample.
bool StreamIsPlaying() {
    return streamEnabled && stream && SoundDevice::IsPlaying(streamChannel);
}

int PauseStream(bool paused) {
    if (!streamEnabled || !stream) return 0;
    return SoundDevice::SetPaused(streamChannel, paused) ? 1 : 0;
}

int SetStreamVolume(double volume) {
    float clamped = ClampValue(volume, 0.0f, 1.0f);
    if (!streamEnabled || !stream) return 0;
    return SoundDevice::SetVolume(streamChannel, static_cast<int>(clamped * 255.0f)) ? 1 : 0;
}

const float* StreamSpectrum() { return SoundDevice::GetSpectrum(); }
