// PCX version 5 pictures: run-length encoded planes of 8-bit samples, optional palette.
#include <cstdio>
#include <cstring>

#include "image/picture_file.h"
#include "image/picture_readers.h"

namespace {

constexpr size_t kHeaderSize = 128;
constexpr size_t kPaletteSize = 768;
constexpr uint8_t kPaletteMarker = 12;
// A two-byte run writes at most 63 bytes.
constexpr uint64_t kMaxRunExpansion = 32;

// Fills line from the run-length code at position; false when the file ends first.
// A run that would go past the end of the line is cut there.
bool DecodeScanLine(std::span<const uint8_t> file, size_t& position, uint8_t* line,
                    size_t line_bytes) {
    size_t filled = 0;
    while (filled < line_bytes) {
        if (position >= file.size()) return false;
        uint8_t value = file[position++];
        size_t run = 1;
        if (value >= 192) {
            if (position >= file.size()) return false;
            run = value & 63;
            value = file[position++];
        }
        if (run > line_bytes - filled) run = line_bytes - filled;
        std::memset(line + filled, value, run);
        filled += run;
    }
    return true;
}

bool IsIdentityPalette(const uint8_t* palette) {
    for (int i = 0; i < 256; ++i, palette += 3) {
        if (palette[0] != i || palette[1] != i || palette[2] != i) return false;
    }
    return true;
}

} // namespace

bool DecodePcxPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out) {
    if (file.empty() || file[0] != 10) {
        std::printf("[ERROR] %s is not a pcx file!!\n", name);
        return false;
    }
    if (file.size() < kHeaderSize) {
        PrintTruncated(name);
        return false;
    }
    if (file[1] != 5) {
        std::printf("[ERROR] Only version 5 of the pcx file format is supported....\n");
        return false;
    }
    // Packed samples of 1, 2 or 4 bits would be taken for bytes.
    if (file[3] != 8) {
        std::printf("[ERROR] The file %s has %d-bit samples; only 8-bit samples are supported\n",
                    name, file[3]);
        return false;
    }
    const int64_t width = int64_t{ReadLe16(&file[8])} - ReadLe16(&file[4]) + 1;
    const int64_t height = int64_t{ReadLe16(&file[10])} - ReadLe16(&file[6]) + 1;
    const uint32_t planes = file[65];
    const int16_t bytes_per_line = static_cast<int16_t>(ReadLe16(&file[66]));
    if (width <= 0 || height <= 0 ||
        !PictureSizeAllowed(width, height, 3 * uint64_t{planes > 0 ? planes : 1})) {
        PrintUnsupportedSize(name, width, height);
        return false;
    }
    // Every plane of a scan line must hold a sample for each pixel.
    if (planes == 0 || bytes_per_line < width) {
        std::printf("[ERROR] The file %s has an invalid pcx header\n", name);
        return false;
    }
    const size_t line_bytes = size_t{planes} * static_cast<size_t>(bytes_per_line);
    if (line_bytes * height > (file.size() - kHeaderSize) * kMaxRunExpansion) {
        PrintTruncated(name);
        return false;
    }

    out.width = static_cast<uint32_t>(width);
    out.height = static_cast<uint32_t>(height);
    out.depth = planes;
    out.pixels.resize(size_t(width) * height * planes);
    std::vector<uint8_t> line(line_bytes);
    size_t position = kHeaderSize;
    const size_t out_row_bytes = size_t(width) * planes;
    // The file stores the top row first; the record keeps the bottom row first.
    for (int64_t y = height - 1; y >= 0; --y) {
        if (!DecodeScanLine(file, position, line.data(), line_bytes)) {
            PrintTruncated(name);
            return false;
        }
        uint8_t* row = out.pixels.data() + y * out_row_bytes;
        for (uint32_t p = 0; p < planes; ++p) {
            const uint8_t* plane = line.data() + size_t{p} * bytes_per_line;
            for (int64_t x = 0; x < width; ++x)
                row[x * planes + p] = plane[x];
        }
    }
    if (planes != 1) return true;

    // A 256-colour palette follows the pixels behind a marker byte.
    if (file.size() < kPaletteSize + 1 || file[file.size() - kPaletteSize - 1] != kPaletteMarker) {
        return true;
    }
    const uint8_t* palette = file.data() + file.size() - kPaletteSize;
    if (IsIdentityPalette(palette)) return true;
    std::vector<uint8_t> indices = std::move(out.pixels);
    out.depth = 3;
    out.pixels.resize(indices.size() * 3);
    for (size_t i = 0; i < indices.size(); ++i) {
        std::memcpy(&out.pixels[i * 3], palette + indices[i] * 3, 3);
    }
    return true;
}
