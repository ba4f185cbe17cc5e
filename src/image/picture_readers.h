// The file readers behind LoadImageFile, one per format. Each reads the whole file and
// hands its bytes to the in-memory decoder, which tests and fuzzers call directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "image/image_record.h"

bool ReadBmpPicture(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                    uint32_t& height, uint32_t& depth);
bool ReadPcxPicture(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                    uint32_t& height, uint32_t& depth);
bool ReadTgaPicture(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                    uint32_t& height, uint32_t& depth);
bool ReadGifPicture(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                    uint32_t& height, uint32_t& depth);
bool ReadPngPicture(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                    uint32_t& height, uint32_t& depth);

// name is only used in messages.
bool DecodeBmpPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodePcxPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodeTgaPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodeGifPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
bool DecodePngPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out);
