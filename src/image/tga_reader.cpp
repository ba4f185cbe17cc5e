// Targa pictures: colour-mapped and true-colour, raw or run-length encoded. Row 0 of the
// record is the picture's top row and pixel 0 its left one, whichever corner the file
// starts from.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "image/picture_file.h"
#include "image/picture_readers.h"

namespace {

constexpr size_t kHeaderSize = 18;
// A run packet of 128 pixels takes two bytes or more.
constexpr uint64_t kMaxRunExpansion = 128;
// Image descriptor bits: the file's pixels run from right to left, its rows from the top.
constexpr uint8_t kRightToLeft = 0x10;
constexpr uint8_t kTopFirst = 0x20;

enum TgaType : uint8_t {
    kNoImage = 0,
    kColourMapped = 1,
    kTrueColour = 2,
    kBlackAndWhite = 3,
    kRleColourMapped = 9,
    kRleTrueColour = 10,
    kRleBlackAndWhite = 11,
    kHuffmanColourMapped = 32,
    kQuadTreeColourMapped = 33,
};

// Prints why a type is not read; false for the types that are.
bool RefuseType(uint8_t type, const char* name) {
    switch (type) {
    case kColourMapped:
    case kTrueColour:
    case kRleColourMapped:
    case kRleTrueColour:
        return false;
    case kNoImage:
        std::printf("[ERROR] The file %s contains no image data\n", name);
        break;
    case kBlackAndWhite:
        std::printf("[ERROR] The file %s contains black & white data which is unsupported\n", name);
        break;
    case kRleBlackAndWhite:
        std::printf(
            "[ERROR] The file %s contains compressed black & white data which is unsupported\n",
            name);
        break;
    case kHuffmanColourMapped:
        std::printf(
            "[ERROR] The file %s contains compressed color map data which is un-supported\n", name);
        break;
    case kQuadTreeColourMapped:
        std::printf(
            "[ERROR] The file %s contains compressed color map data which is un-supported (4pass "
            "quad tree process)\n",
            name);
        break;
    default:
        std::printf("[ERROR] The file %s does not appear to be valid\n", name);
        break;
    }
    return true;
}

// Source of pixel values: a colour map indexed by one byte, or the file's own bytes.
struct PixelSource {
    const uint8_t* palette; // 256 entries of depth bytes, red first; null for true colour
    uint32_t depth;
    // Bytes one pixel takes in the file.
    uint32_t FileBytes() const { return palette ? 1 : depth; }
    // Writes the record form of the pixel at in.
    void Put(const uint8_t* in, uint8_t* out) const {
        if (palette) {
            std::memcpy(out, palette + size_t{*in} * depth, depth);
        } else if (depth == 1) {
            out[0] = in[0];
        } else {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            if (depth == 4) out[3] = in[3];
        }
    }
};

// Raw pixels: file row r becomes record row r when the file starts at the top, else row
// height - 1 - r.
bool DecodeRaw(std::span<const uint8_t> data, const PixelSource& source, bool top_first,
               ImageRecord& out) {
    const size_t in_row_bytes = size_t{out.width} * source.FileBytes();
    if (in_row_bytes * out.height > data.size()) return false;
    const size_t out_row_bytes = size_t{out.width} * out.depth;
    for (size_t r = 0; r < out.height; ++r) {
        const uint8_t* in = data.data() + r * in_row_bytes;
        const size_t out_row = top_first ? r : out.height - 1 - r;
        uint8_t* row = out.pixels.data() + out_row * out_row_bytes;
        if (!source.palette && source.depth == 1) {
            std::memcpy(row, in, out_row_bytes);
            continue;
        }
        if (!source.palette) {
            CopyBgrAsRgb(in, row, out.width, source.depth);
            continue;
        }
        for (uint32_t x = 0; x < out.width; ++x, in += source.FileBytes(), row += out.depth) {
            source.Put(in, row);
        }
    }
    return true;
}

// Run-length packets in file order, then the rows reversed when the file starts at the
// bottom. Packets that run past the last pixel are cut there.
bool DecodeRle(std::span<const uint8_t> data, const PixelSource& source, bool top_first,
               ImageRecord& out) {
    const uint32_t in_bytes = source.FileBytes();
    const size_t total = size_t{out.width} * out.height;
    uint8_t* pixel = out.pixels.data();
    size_t written = 0;
    size_t position = 0;
    while (written < total) {
        if (position >= data.size()) return false;
        const uint8_t header = data[position++];
        const bool run = header >= 128;
        size_t count = run ? header - 127u : header + 1u;
        if (count > total - written) count = total - written;
        const size_t needed = run ? in_bytes : count * in_bytes;
        if (needed > data.size() - position) return false;
        if (run) {
            source.Put(&data[position], pixel);
            for (size_t i = 1; i < count; ++i)
                std::memcpy(pixel + i * out.depth, pixel, out.depth);
            pixel += count * out.depth;
        } else {
            for (size_t i = 0; i < count; ++i, pixel += out.depth) {
                source.Put(&data[position + i * in_bytes], pixel);
            }
        }
        position += needed;
        written += count;
    }
    if (!top_first) ReverseRows(out);
    return true;
}

// Reverses the order of the pixels within each row.
void MirrorRows(ImageRecord& image) {
    const size_t depth = image.depth;
    for (uint32_t y = 0; y < image.height; ++y) {
        uint8_t* left = image.pixels.data() + size_t{y} * image.width * depth;
        uint8_t* right = left + (size_t{image.width} - 1) * depth;
        for (; left < right; left += depth, right -= depth)
            std::swap_ranges(left, left + depth, right);
    }
}

} // namespace

bool DecodeTgaPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out) {
    if (file.size() < kHeaderSize) {
        PrintTruncated(name);
        return false;
    }
    const uint8_t type = file[2];
    if (RefuseType(type, name)) return false;
    const bool has_colour_map = file[1] == 1;
    const uint32_t first_entry = ReadLe16(&file[3]);
    const uint32_t map_length = ReadLe16(&file[5]);
    const uint32_t map_entry_bytes = file[7] / 8;
    const uint32_t width = ReadLe16(&file[12]);
    const uint32_t height = ReadLe16(&file[14]);
    const uint32_t pixel_bits = file[16];
    const uint8_t descriptor = file[17];
    const bool colour_mapped = type == kColourMapped || type == kRleColourMapped;

    uint32_t depth;
    if (colour_mapped) {
        if (pixel_bits != 8) {
            std::printf(
                "[ERROR] The file %s uses indices wider than one byte which is unsupported\n",
                name);
            return false;
        }
        if (map_entry_bytes != 3 && map_entry_bytes != 4) {
            std::printf("[ERROR] The file %s uses a colour map format which is unsupported\n",
                        name);
            return false;
        }
        depth = map_entry_bytes;
    } else {
        if (pixel_bits != 8 && pixel_bits != 24 && pixel_bits != 32) {
            std::printf("[ERROR] The file %s uses a pixel format which is unsupported\n", name);
            return false;
        }
        depth = pixel_bits / 8;
    }
    if (!PictureSizeAllowed(width, height, depth)) {
        PrintUnsupportedSize(name, width, height);
        return false;
    }

    size_t position = kHeaderSize + file[0];
    uint8_t palette[256 * 4] = {};
    // A true-colour file may still carry a colour map, which comes before its pixels.
    if (colour_mapped || has_colour_map) {
        const size_t map_bytes = size_t{map_length} * map_entry_bytes;
        if (position + map_bytes > file.size()) {
            PrintTruncated(name);
            return false;
        }
        // The map's first entry is the colour of index first_entry; indices without an
        // entry stay all zero, and entries past index 255 cannot be reached by one byte.
        if (colour_mapped && first_entry < 256) {
            const uint32_t used = std::min(map_length, 256 - first_entry);
            uint8_t* entries = palette + size_t{first_entry} * depth;
            std::memcpy(entries, &file[position], size_t{used} * depth);
            SwapRedAndBlue(entries, used, depth);
        }
        position += map_bytes;
    }
    if (position > file.size()) {
        PrintTruncated(name);
        return false;
    }
    const std::span<const uint8_t> data = file.subspan(position);
    const bool run_length = type == kRleColourMapped || type == kRleTrueColour;
    if (run_length && uint64_t{width} * height > (data.size() + 1) * kMaxRunExpansion) {
        PrintTruncated(name);
        return false;
    }

    out.width = width;
    out.height = height;
    out.depth = depth;
    out.pixels.resize(size_t{width} * height * depth);
    const PixelSource source{colour_mapped ? palette : nullptr, depth};
    const bool top_first = descriptor & kTopFirst;
    if (!(run_length ? DecodeRle(data, source, top_first, out)
                     : DecodeRaw(data, source, top_first, out))) {
        PrintTruncated(name);
        return false;
    }
    if (descriptor & kRightToLeft) MirrorRows(out);
    return true;
}
