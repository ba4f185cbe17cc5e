// Loads a picture file with the reader its extension names.
#pragma once

#include "image/image_record.h"

// The extension is the last three characters after a dot among the last five
// ("x.tga", "x.jpeg" -> "jpe"), compared in lower case; the contents are never inspected.
// Prints "[ERROR] Unsupported file format <path>" or, after the reader's own message,
// "[ERROR] Unable to load <path>" on failure.
bool LoadImageFile(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                   uint32_t& height, uint32_t& depth);

inline bool LoadImageFile(const char* path, ImageRecord& record) {
    return LoadImageFile(path, record.pixels, record.width, record.height, record.depth);
}
