// Picture files assembled byte by byte for the reader tests, fuzz seeds and benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace picture_bytes {

using Bytes = std::vector<uint8_t>;

// Little-endian fields of {value, bytes}.
Bytes Le(std::initializer_list<std::pair<uint32_t, int>> fields);
// head followed by tail.
Bytes Cat(Bytes head, const Bytes& tail);

// Rows are given in file order without padding, in the file's own byte order (blue first).
// The palette holds four bytes an entry (blue, green, red, reserved); 8-bit files get 256
// entries, padded with zeros, unless colours_used says otherwise.
Bytes Bmp(uint32_t width, int32_t height, uint16_t bits, const Bytes& rows,
          const Bytes& palette = {}, uint32_t colours_used = 0);

// Scan lines in file order (top first), each planes x bytes_per_line bytes, run-length
// encoded here. A palette of 768 bytes goes after the marker byte 12.
Bytes Pcx(uint16_t width, uint16_t height, uint8_t planes, uint16_t bytes_per_line,
          const Bytes& scan_lines, const Bytes& palette = {});

// The header fields of a TGA file.
struct TgaHeader {
    uint8_t type = 2;
    uint16_t width = 1;
    uint16_t height = 1;
    uint8_t pixel_bits = 24;
    uint8_t map_entry_bits = 0;
    uint16_t first_entry = 0; // the colour index of the map's first entry
    uint8_t descriptor = 0;   // bit 4: pixels right to left; bit 5: top row first
    uint8_t id_length = 0;
};
// The header, id_length bytes of id, the colour map and the data, as given.
Bytes Tga(const TgaHeader& header, const Bytes& data, const Bytes& colour_map = {});
// Run and raw packets for pixels of pixel_bytes each.
Bytes TgaRle(const Bytes& pixels, uint32_t pixel_bytes);

struct GifFrame {
    uint16_t left = 0;
    uint16_t top = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    Bytes indices; // rows top first, whatever the interlace; at least one
    Bytes local_map;
    bool interlaced = false;
    int transparent = -1;      // writes a graphic-control extension before the frame when >= 0
    int minimum_code_size = 8; // 2 or more
};
// Colour maps hold a power of two entries, 2 or more, of red, green and blue.
Bytes Gif(uint16_t screen_width, uint16_t screen_height, const Bytes& global_map,
          const std::vector<GifFrame>& frames);

// The colour types of the PNG header.
enum class PngKind { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };
// Rows top first, packed as the bit depth wants; palette of red, green, blue triples.
Bytes Png(uint32_t width, uint32_t height, PngKind kind, int bit_depth, const Bytes& rows,
          bool interlaced = false, const Bytes& palette = {});

// Colour map entries i + 1, 5i, 255 - i and, with four components, 3i.
Bytes Colours(int entries, int components = 3);
// Grey colour map entries of value i.
Bytes Greys(int entries);
// Indices below colours that LZW compresses well in places and poorly in others.
Bytes Indices(uint16_t width, uint16_t height, int colours);

// The first count bytes of the file.
Bytes Head(const Bytes& file, size_t count);
// The file with bytes written over it at offset.
Bytes With(Bytes file, size_t offset, const Bytes& bytes);

// A smooth, varied test pattern of width x height pixels of depth bytes.
Bytes Pattern(uint32_t width, uint32_t height, uint32_t depth);

// The rows of a picture in the opposite order.
Bytes FlipRows(const Bytes& pixels, size_t row_bytes);

// The picture as stb_image decodes it, rows top first, channels components per pixel;
// empty when stb_image cannot read it.
Bytes StbDecode(const Bytes& file, int channels);

} // namespace picture_bytes
