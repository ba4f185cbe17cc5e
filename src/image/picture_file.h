// What the picture readers share: reading a whole file and the limits on picture sizes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "image/image_record.h"

// Pictures larger than this are refused rather than allocated.
constexpr uint64_t kMaxPictureSide = 32768;
constexpr uint64_t kMaxPicturePixels = uint64_t{1} << 26; // 8192 x 8192
constexpr uint64_t kMaxPictureBytes = uint64_t{1} << 28;

// False for an empty picture or one beyond the limits.
bool PictureSizeAllowed(uint64_t width, uint64_t height, uint64_t depth);

// The readers' messages for a file that ends before its picture does and for a picture
// beyond the limits.
void PrintTruncated(const char* name);
void PrintUnsupportedSize(const char* name, int64_t width, int64_t height);

// Larger files are not read: no picture within the limits needs one.
constexpr uint64_t kMaxPictureFileBytes = uint64_t{1} << 30;

// Little-endian fields of a header.
inline uint16_t ReadLe16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}
inline uint32_t ReadLe32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | (uint32_t{bytes[1]} << 8) | (uint32_t{bytes[2]} << 16) |
           (uint32_t{bytes[3]} << 24);
}

// Copies pixels of depth 3 or 4 stored blue first into red-first order.
void CopyBgrAsRgb(const uint8_t* in, uint8_t* out, size_t pixel_count, uint32_t depth);

// Swaps the first and third byte of every pixel: BGR(A) to RGB(A) and back.
void SwapRedAndBlue(uint8_t* pixels, size_t pixel_count, uint32_t depth);

// Reverses the order of the rows in place.
void ReverseRows(ImageRecord& image);
