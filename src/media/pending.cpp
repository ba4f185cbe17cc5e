// Placeholders until the sound and video subsystem lands.
#include <cstdio>

#include "media/sound.h"

void StartSound(lua_State*) {}
void UpdateMedia(float) {}
void StopSound() { printf("Avi Cleanup\n"); }
uint16_t LoadSample(const char*) { return 0; }
int PlaySample(uint16_t, bool) { return 0; }
