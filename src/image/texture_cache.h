// Reference-counted textures loaded from picture files, handed out as ids from 1.
//
// Acquiring a path that is already cached shares its texture; the texture is
// deleted when the last holder releases it. Ids are never reused, so a path
// acquired again after its release gets a new, higher id. Paths are compared
// byte for byte ("./a.bmp" and "a.bmp" are two pictures).
#pragma once

#include <cstdint>
#include <string>

struct TextureRecord {
    uint32_t id = 0;
    uint32_t texture = 0; // the GL texture name
    uint32_t references = 0;
    std::string path;
};

// 0 when the picture could not be loaded.
uint32_t AcquireTexture(const char* path);
// Ids without a record (0 among them) are ignored by both.
void ReleaseTexture(uint32_t id);
void BindTexture(uint32_t id);
// Null when no record has the id.
const TextureRecord* FindTexture(uint32_t id);
