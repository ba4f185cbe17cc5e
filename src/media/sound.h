// Sound samples, channels, streamed music and AVI videos: the shell's view.
#pragma once

#include <cstdint>

#include "script/lua_api.h"

// Starts the sound output and registers the Avi, Mp3 and Sound libraries.
void StartSound(lua_State* state);
// Per frame: advance the videos, then the channels' time bookkeeping.
void UpdateMedia(float frameTime);
void StopSound();
uint16_t LoadSample(const char* path);
int PlaySample(uint16_t id, bool looping);
