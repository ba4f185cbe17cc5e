// Shared helpers of the picture readers.
#include "image/picture_file.h"

#include <algorithm>
#include <cstdio>

bool PictureSizeAllowed(uint64_t width, uint64_t height, uint64_t depth) {
    return width > 0 && height > 0 && depth > 0 && width <= kMaxPictureSide &&
           height <= kMaxPictureSide && width * height <= kMaxPicturePixels &&
           width * height * depth <= kMaxPictureBytes;
}

void PrintTruncated(const char* name) {
    std::printf("[ERROR] The file %s is truncated\n", name);
}

void PrintUnsupportedSize(const char* name, int64_t width, int64_t height) {
    std::printf("[ERROR] The picture in %s has an unsupported size %lld x %lld\n", name,
                static_cast<long long>(width), static_cast<long long>(height));
}

void CopyBgrAsRgb(const uint8_t* in, uint8_t* out, size_t pixel_count, uint32_t depth) {
    // Separate loops let the compiler see the fixed stride.
    if (depth == 3) {
        for (size_t i = 0; i < pixel_count; ++i, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    } else {
        for (size_t i = 0; i < pixel_count; ++i, in += 4, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = in[3];
        }
    }
}

void SwapRedAndBlue(uint8_t* pixels, size_t pixel_count, uint32_t depth) {
    for (size_t i = 0; i < pixel_count; ++i, pixels += depth)
        std::swap(pixels[0], pixels[2]);
}

void ReverseRows(ImageRecord& image) {
    const size_t row_bytes = size_t{image.width} * image.depth;
    uint8_t* top = image.pixels.data();
    uint8_t* bottom = top + (size_t{image.height} - 1) * row_bytes;
    for (; top < bottom; top += row_bytes, bottom -= row_bytes) {
        std::swap_ranges(top, top + row_bytes, bottom);
    }
}
