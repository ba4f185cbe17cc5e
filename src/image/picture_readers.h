// The in-memory decoders behind LoadImageFile, one per format. Tests and fuzzers call
// them directly.
#pragma once

#include <cstdint>
#include <span>

#include "image/image_record.h"

// Decodes a whole picture file held in memory; name is only used in messages. On success
// fills the record and returns true; on failure prints its own message (if any) and leaves
// the record unspecified.
using ImageReader = bool (*)(std::span<const uint8_t> file, const char* name, ImageRecord& out);

bool DecodeBmpPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodePcxPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodeTgaPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodeGifPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodePngPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
