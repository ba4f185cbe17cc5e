// Windows bitmaps: 8-bit palette, 24-bit and 32-bit, uncompressed.
#include <cstdio>
#include <cstring>

#include "image/picture_file.h"
#include "image/picture_readers.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

// True when entry i is the grey of value i in all three colour bytes, for every i: then
// the indices are the intensities.
bool IsGreyPalette(const uint8_t (&palette)[256][4]) {
    for (int i = 0; i < 256; ++i) {
        if (palette[i][0] != i || palette[i][1] != i || palette[i][2] != i) return false;
    }
    return true;
}

// Most 32-bit files leave the fourth byte reserved, as 0: when every one is 0, the pixels
// are opaque rather than fully transparent.
void MakeOpaqueWhenAlphaUnused(std::vector<uint8_t>& pixels) {
    for (size_t i = 3; i < pixels.size(); i += 4) {
        if (pixels[i] != 0) return;
    }
    for (size_t i = 3; i < pixels.size(); i += 4)
        pixels[i] = 255;
}

// Converts one file row (blue, green, red order for the direct formats) into a record row.
void ConvertRow(const uint8_t* in, uint8_t* out, uint32_t width, uint32_t bits,
                const uint8_t (&palette)[256][4], bool grey) {
    if (bits == 8 && grey) {
        std::memcpy(out, in, width);
    } else if (bits == 8) {
        for (uint32_t x = 0; x < width; ++x, out += 3) {
            const uint8_t* entry = palette[in[x]];
            out[0] = entry[2];
            out[1] = entry[1];
            out[2] = entry[0];
        }
    } else {
        CopyBgrAsRgb(in, out, width, bits / 8);
    }
}

} // namespace

bool DecodeBmpPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out) {
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') return false;
    if (file.size() < kFileHeaderSize + kInfoHeaderSize) {
        PrintTruncated(name);
        return false;
    }
    const uint8_t* info = file.data() + kFileHeaderSize;
    const uint32_t header_size = ReadLe32(info);
    const int32_t signed_height = static_cast<int32_t>(ReadLe32(info + 8));
    const uint32_t width = ReadLe32(info + 4);
    const uint32_t bits = ReadLe16(info + 14);
    const uint32_t colours_used = ReadLe32(info + 32);
    if (ReadLe32(info + 16) != 0) {
        std::printf("[ERROR] This bitmap loader does not support compressed files (yet)\n");
        return false;
    }
    if (header_size < kInfoHeaderSize) {
        std::printf("[ERROR] bitmap loader does not support this bitmap header\n");
        return false;
    }
    if (bits != 8 && bits != 24 && bits != 32) {
        std::printf("[ERROR] bitmap loader does not support this bit depth\n");
        return false;
    }
    // A negative height marks rows stored top first; they are flipped so that row 0 is the
    // bottom row either way.
    const bool top_down = signed_height < 0;
    const uint64_t height = top_down ? -int64_t{signed_height} : signed_height;
    if (!PictureSizeAllowed(width, height, bits / 8)) {
        PrintUnsupportedSize(name, width, int64_t(height));
        return false;
    }

    uint64_t position = kFileHeaderSize + uint64_t{header_size};
    uint8_t palette[256][4] = {};
    bool grey = false;
    if (bits == 8) {
        const uint32_t entries = colours_used >= 1 && colours_used <= 256 ? colours_used : 256;
        if (position + entries * 4 > file.size()) {
            PrintTruncated(name);
            return false;
        }
        std::memcpy(palette, file.data() + position, entries * 4);
        position += entries * 4;
        grey = IsGreyPalette(palette);
    }
    // The pixels start where the file header says, when that lies past the palette.
    const uint32_t data_offset = ReadLe32(file.data() + 10);
    if (data_offset > position && data_offset < file.size()) position = data_offset;

    const uint64_t row_bytes = width * uint64_t{bits / 8};
    const uint64_t row_stride = (row_bytes + 3) & ~uint64_t{3};
    // The last row may lack its padding.
    if (position + (height - 1) * row_stride + row_bytes > file.size()) {
        PrintTruncated(name);
        return false;
    }

    out.width = width;
    out.height = static_cast<uint32_t>(height);
    out.depth = bits == 8 ? (grey ? 1 : 3) : bits / 8;
    const size_t out_row_bytes = size_t{width} * out.depth;
    out.pixels.resize(out_row_bytes * height);
    for (uint64_t row = 0; row < height; ++row) {
        const uint64_t out_row = top_down ? height - 1 - row : row;
        ConvertRow(file.data() + position + row * row_stride,
                   out.pixels.data() + out_row * out_row_bytes, width, bits, palette, grey);
    }
    if (bits == 32) MakeOpaqueWhenAlphaUnused(out.pixels);
    return true;
}
