// Reference-counted textures loaded from picture files, handed out as ids from 1.
#pragma once

#include <cstdint>

// 0 when the picture could not be loaded.
uint32_t AcquireTexture(const char* path);
void ReleaseTexture(uint32_t id);
void BindTexture(uint32_t id);
