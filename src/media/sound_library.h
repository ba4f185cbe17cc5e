// The operations behind the Sound and Mp3 script libraries. While the sound
// output is not running every one of them does nothing and returns its
// default, except the three world factors, which are kept for later.
#pragma once

#include <cstdint>

#include "media/sound_device.h"

bool SoundEnabled();

void DeleteSample(uint16_t id);
void DeleteAllSamples();
// Once per frame: feeds the device, then counts the channel slots down.
void UpdateChannelSlots(float frameTime);

// The channel operations act only on channels a slot knows.
int GetChannelFrequency(int32_t channel);
float GetChannelPan(int32_t channel);    // -1 .. 1
float GetChannelVolume(int32_t channel); // 0 .. 1
bool IsChannelPlaying(int32_t channel);
void PauseChannel(int32_t channel);
void UnPauseChannel(int32_t channel);
void StopChannel(int32_t channel);
// Clamped to 100 .. 705600 after taking the absolute value.
void SetChannelFrequency(int32_t channel, int32_t hz);
void SetChannelPan(int32_t channel, double pan);       // clamped to -1 .. 1
void SetChannelVolume(int32_t channel, double volume); // clamped to 0 .. 1
void SetChannelPosition(int32_t channel, float x, float y, float z);

// The one music stream. Starting one closes the one before.
bool PlayStream(const char* path);
// 1 when a stream was open and is now closed, else 0.
int CloseStream();
bool StreamIsPlaying();
// 1 when the open stream's channel took the change, else 0.
int PauseStream(bool paused);
int SetStreamVolume(double volume);
// SoundDevice::kSpectrumSize magnitudes, or null while the output is not running.
const float* StreamSpectrum();
