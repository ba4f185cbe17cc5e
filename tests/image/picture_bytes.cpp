// Picture files assembled byte by byte.
#include "picture_bytes.h"

#include <png.h>
#include <stb_image.h>

#include <algorithm>
#include <bit>
#include <map>
#include <stdexcept>

namespace picture_bytes {

namespace {

void Append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The rows of pixels, row_bytes each; the last one may be shorter.
std::vector<Bytes> Rows(const Bytes& pixels, size_t row_bytes) {
    std::vector<Bytes> rows;
    for (size_t i = 0; i < pixels.size(); i += row_bytes) {
        rows.emplace_back(pixels.begin() + i,
                          pixels.begin() + std::min(i + row_bytes, pixels.size()));
    }
    return rows;
}

// The run-length code of one PCX scan line.
Bytes PcxRle(const Bytes& line) {
    Bytes out;
    for (size_t i = 0; i < line.size();) {
        size_t run = 1;
        while (i + run < line.size() && line[i + run] == line[i] && run < 63)
            ++run;
        if (run > 1 || line[i] >= 192) out.push_back(static_cast<uint8_t>(192 | run));
        out.push_back(line[i]);
        i += run;
    }
    return out;
}

} // namespace

Bytes Le(std::initializer_list<std::pair<uint32_t, int>> fields) {
    Bytes out;
    for (auto [value, bytes] : fields) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(uint8_t(value >> (8 * i)));
    }
    return out;
}

Bytes Cat(Bytes head, const Bytes& tail) {
    Append(head, tail);
    return head;
}

Bytes Bmp(uint32_t width, int32_t height, uint16_t bits, const Bytes& rows, const Bytes& palette,
          uint32_t colours_used) {
    const uint32_t row_bytes = width * bits / 8;
    const uint32_t padding = (4 - row_bytes % 4) % 4;
    const uint32_t data_bytes = (row_bytes + padding) * (height < 0 ? -height : height);
    const uint32_t offset = 54 + (bits == 8 ? 4 * (colours_used ? colours_used : 256) : 0);
    Bytes out = Cat({'B', 'M'}, Le({{offset + data_bytes, 4},
                                    {0, 4},
                                    {offset, 4},
                                    {40, 4},
                                    {width, 4},
                                    {uint32_t(height), 4},
                                    {1, 2},
                                    {bits, 2},
                                    {0, 4},
                                    {data_bytes, 4},
                                    {2835, 4},
                                    {2835, 4},
                                    {colours_used, 4},
                                    {0, 4}}));
    Append(out, palette);
    out.resize(offset);
    for (Bytes& row : Rows(rows, row_bytes)) {
        row.resize(row_bytes + padding);
        Append(out, row);
    }
    return out;
}

Bytes Pcx(uint16_t width, uint16_t height, uint8_t planes, uint16_t bytes_per_line,
          const Bytes& scan_lines, const Bytes& palette) {
    Bytes out = Le({{10, 1}, {5, 1}, {1, 1}, {8, 1}, {0, 4}, {width - 1u, 2}, {height - 1u, 2}});
    out.resize(65);
    Append(out, Le({{planes, 1}, {bytes_per_line, 2}, {1, 1}}));
    out.resize(128);
    for (const Bytes& line : Rows(scan_lines, size_t{planes} * bytes_per_line)) {
        Append(out, PcxRle(line));
    }
    if (!palette.empty()) Append(out, Cat({12}, palette));
    return out;
}

Bytes Tga(const TgaHeader& header, const Bytes& data, const Bytes& colour_map) {
    const uint32_t map_length =
        header.map_entry_bits ? uint32_t(colour_map.size() * 8 / header.map_entry_bits) : 0;
    Bytes out = Le({{header.id_length, 1},
                    {!colour_map.empty(), 1},
                    {header.type, 1},
                    {header.first_entry, 2},
                    {map_length, 2},
                    {header.map_entry_bits, 1},
                    {0, 4},
                    {header.width, 2},
                    {header.height, 2},
                    {header.pixel_bits, 1},
                    {header.descriptor, 1}});
    out.resize(out.size() + header.id_length, 'i');
    return Cat(Cat(out, colour_map), data);
}

Bytes TgaRle(const Bytes& pixels, uint32_t pixel_bytes) {
    const size_t count = pixels.size() / pixel_bytes;
    auto at = [&](size_t i) { return pixels.begin() + i * pixel_bytes; };
    Bytes out;
    size_t raw_header = SIZE_MAX; // where the open raw packet's header is
    for (size_t i = 0; i < count;) {
        size_t run = 1;
        while (i + run < count && run < 128 && std::equal(at(i), at(i + 1), at(i + run)))
            ++run;
        if (run == 1 && raw_header < out.size() && out[raw_header] < 127) {
            ++out[raw_header];
        } else {
            raw_header = run == 1 ? out.size() : SIZE_MAX;
            out.push_back(static_cast<uint8_t>(run == 1 ? 0 : 127 + run));
        }
        out.insert(out.end(), at(i), at(i + 1));
        i += run;
    }
    return out;
}

namespace {

// The LZW code stream. The decoder adds each table entry one code later than the encoder,
// so its codes widen once next - 1 reaches the code limit; a full table starts afresh.
Bytes LzwCodes(const Bytes& indices, int minimum_size) {
    const int clear = 1 << minimum_size;
    Bytes out;
    uint32_t accumulator = 0;
    int bits = 0, size = minimum_size + 1, next = clear + 2;
    auto put = [&](int code) {
        accumulator |= uint32_t(code) << bits;
        for (bits += size; bits >= 8; bits -= 8, accumulator >>= 8)
            out.push_back(accumulator & 0xff);
    };
    std::map<uint32_t, int> table;
    put(clear);
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint32_t key = (uint32_t(prefix) << 8) | indices[i];
        if (auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        put(prefix);
        if (next == 4096) {
            put(clear);
            table.clear();
            size = minimum_size + 1;
            next = clear + 2;
        } else {
            table[key] = next++;
            if (next - 1 == 1 << size) ++size;
        }
        prefix = indices[i];
    }
    put(prefix);
    put(clear + 1);
    if (bits > 0) out.push_back(accumulator & 0xff);
    return out;
}

Bytes InterlacedOrder(const Bytes& indices, uint16_t width, uint16_t height) {
    const std::vector<Bytes> rows = Rows(indices, width);
    Bytes out;
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int y = start; y < height; y += step)
            Append(out, rows[y]);
    }
    return out;
}

// The flags bits of a colour map: present, and 2 << field entries.
uint32_t MapFlags(const Bytes& map) {
    return map.empty() ? 0 : 0x80 | (std::bit_width(map.size() / 3) - 2);
}

} // namespace

Bytes Gif(uint16_t screen_width, uint16_t screen_height, const Bytes& global_map,
          const std::vector<GifFrame>& frames) {
    Bytes out = Cat({'G', 'I', 'F', '8', '9', 'a'},
                    Le({{screen_width, 2}, {screen_height, 2}, {MapFlags(global_map), 1}, {0, 2}}));
    Append(out, global_map);
    for (const GifFrame& frame : frames) {
        if (frame.transparent >= 0) {
            Append(out, {0x21, 0xF9, 4, 1, 0, 0, uint8_t(frame.transparent), 0});
        }
        const uint32_t flags = MapFlags(frame.local_map) | (frame.interlaced ? 0x40 : 0);
        Append(out, Le({{',', 1},
                        {frame.left, 2},
                        {frame.top, 2},
                        {frame.width, 2},
                        {frame.height, 2},
                        {flags, 1}}));
        Append(out, frame.local_map);
        const Bytes codes =
            LzwCodes(frame.interlaced ? InterlacedOrder(frame.indices, frame.width, frame.height)
                                      : frame.indices,
                     frame.minimum_code_size);
        out.push_back(uint8_t(frame.minimum_code_size));
        for (const Bytes& block : Rows(codes, 255))
            Append(out, Cat({uint8_t(block.size())}, block));
        out.push_back(0);
    }
    out.push_back(';');
    return out;
}

Bytes Png(uint32_t width, uint32_t height, PngKind kind, int bit_depth, const Bytes& rows,
          bool interlaced, const Bytes& palette) {
    Bytes out;
    png_structp png = png_create_write_struct(
        PNG_LIBPNG_VER_STRING, nullptr,
        [](png_structp, png_const_charp message) { throw std::runtime_error(message); }, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp png, png_bytep data, size_t count) {
            Append(*static_cast<Bytes*>(png_get_io_ptr(png)), Bytes(data, data + count));
        },
        nullptr);
    png_set_IHDR(png, info, width, height, bit_depth, static_cast<int>(kind),
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (kind == PngKind::kPalette) {
        // A png_color is three bytes, red first.
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(palette.data()),
                     int(palette.size() / 3));
    }
    std::vector<png_bytep> pointers(height);
    for (uint32_t y = 0; y < height; ++y) {
        pointers[y] = const_cast<png_bytep>(&rows[y * png_get_rowbytes(png, info)]);
    }
    png_set_rows(png, info, pointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes Colours(int entries, int components) {
    Bytes map;
    for (int i = 0; i < entries; ++i) {
        map.insert(map.end(), {uint8_t(i + 1), uint8_t(i * 5), uint8_t(255 - i), uint8_t(3 * i)});
        map.resize(map.size() - 4 + components);
    }
    return map;
}

Bytes Greys(int entries) {
    Bytes map;
    for (int i = 0; i < entries; ++i)
        map.insert(map.end(), 3, uint8_t(i));
    return map;
}

Bytes Indices(uint16_t width, uint16_t height, int colours) {
    Bytes indices = Pattern(width, height, 1);
    for (uint8_t& index : indices)
        index %= colours;
    return indices;
}

Bytes Head(const Bytes& file, size_t count) {
    return Bytes(file.begin(), file.begin() + count);
}

Bytes With(Bytes file, size_t offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
    return file;
}

Bytes Pattern(uint32_t width, uint32_t height, uint32_t depth) {
    Bytes out(size_t{width} * height * depth);
    for (size_t i = 0; i < out.size(); ++i) {
        const size_t c = i % depth, x = i / depth % width, y = i / depth / width;
        // Flat stretches for the run-length codes, gradients and noise for the rest.
        const size_t band = (x / 16 + y / 16 + c) % 3;
        out[i] = band == 0   ? uint8_t(40 * c + 7)
                 : band == 1 ? uint8_t(x + 2 * y + 50 * c)
                             : uint8_t((x * 7919 + y * 104729 + c * 31) >> 3);
    }
    return out;
}

Bytes FlipRows(const Bytes& pixels, size_t row_bytes) {
    std::vector<Bytes> rows = Rows(pixels, row_bytes);
    Bytes out;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        Append(out, *row);
    return out;
}

Bytes StbDecode(const Bytes& file, int channels) {
    int w = 0, h = 0, stored = 0;
    uint8_t* pixels =
        stbi_load_from_memory(file.data(), int(file.size()), &w, &h, &stored, channels);
    if (!pixels) return {};
    Bytes out(pixels, pixels + size_t(w) * h * channels);
    stbi_image_free(pixels);
    return out;
}

} // namespace picture_bytes
