// Placeholders until the picture subsystem lands.
#include "image/image_library.h"
#include "image/texture_cache.h"

uint32_t AcquireTexture(const char*) { return 0; }
void ReleaseTexture(uint32_t) {}
void BindTexture(uint32_t) {}
void RegisterImageLibrary() {}
void ImageDeleteAll() {}
