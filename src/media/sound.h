// Sound samples, channels, streamed music and AVI videos: the shell's view.
#pragma once

#include <cstdint>


// Starts the sound output and asks the driver how video frames upload.
void StartSound();
// Per frame: advance the videos, then the channels' time bookkeeping.
void UpdateMedia(float frameTime);
void StopSound();
uint16_t LoadSample(const char* path);
int PlaySample(uint16_t id, bool looping);
