// Picture files assembled byte by byte.
#include "picture_bytes.h"

#include <png.h>
#include <stb_image.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <stdexcept>

namespace picture_bytes {

namespace {

// Little-endian fields of {value, bytes}.
void Put(Bytes& out, std::initializer_list<std::pair<uint32_t, int>> fields) {
  for (auto [value, bytes] : fields) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
  }
}

// The run-length code of one PCX scan line.
Bytes PcxRle(const Bytes& line) {
  Bytes out;
  for (size_t i = 0; i < line.size();) {
    size_t run = 1;
    while (i + run < line.size() && line[i + run] == line[i] && run < 63) ++run;
    if (run > 1 || line[i] >= 192) out.push_back(static_cast<uint8_t>(192 | run));
    out.push_back(line[i]);
    i += run;
  }
  return out;
}

}  // namespace

Bytes Bmp(uint32_t width, int32_t height, uint16_t bits, const Bytes& rows,
          const std::vector<std::array<uint8_t, 4>>& palette, uint32_t colours_used) {
  const uint32_t row_bytes = width * bits / 8;
  const uint32_t stride = (row_bytes + 3) & ~3u;
  const uint32_t rows_count = height < 0 ? -height : height;
  const uint32_t entries = bits == 8 ? (colours_used ? colours_used : 256) : 0;
  const uint32_t offset = 54 + entries * 4;
  Bytes out = {'B', 'M'};
  Put(out, {{offset + stride * rows_count, 4}, {0, 4}, {offset, 4}, {40, 4}, {width, 4},
            {uint32_t(height), 4}, {1, 2}, {bits, 2}, {0, 4}, {stride * rows_count, 4},
            {2835, 4}, {2835, 4}, {colours_used, 4}, {0, 4}});
  for (uint32_t i = 0; i < entries; ++i) {
    const auto entry = i < palette.size() ? palette[i] : std::array<uint8_t, 4>{};
    out.insert(out.end(), entry.begin(), entry.end());
  }
  for (uint32_t r = 0; r < rows_count; ++r) {
    out.insert(out.end(), rows.begin() + r * row_bytes, rows.begin() + (r + 1) * row_bytes);
    out.insert(out.end(), stride - row_bytes, 0);
  }
  return out;
}

Bytes Pcx(uint16_t width, uint16_t height, uint8_t planes, uint16_t bytes_per_line,
          const Bytes& scan_lines, const Bytes& palette) {
  Bytes out;
  Put(out, {{10, 1}, {5, 1}, {1, 1}, {8, 1}, {0, 4}, {width - 1u, 2}, {height - 1u, 2}});
  out.resize(65);
  Put(out, {{planes, 1}, {bytes_per_line, 2}, {1, 1}});
  out.resize(128);
  const size_t line_bytes = size_t{planes} * bytes_per_line;
  for (size_t y = 0; y < height; ++y) {
    const Bytes code = PcxRle(Bytes(scan_lines.begin() + y * line_bytes,
                                    scan_lines.begin() + (y + 1) * line_bytes));
    out.insert(out.end(), code.begin(), code.end());
  }
  if (!palette.empty()) {
    out.push_back(12);
    out.insert(out.end(), palette.begin(), palette.end());
  }
  return out;
}

Bytes Tga(const TgaHeader& header, const Bytes& colour_map, const Bytes& data) {
  Bytes out;
  Put(out, {{header.id_length, 1}, {header.colour_map_type, 1}, {header.type, 1}, {0, 2},
            {header.map_length, 2}, {header.map_entry_bits, 1}, {0, 4}, {header.width, 2},
            {header.height, 2}, {header.pixel_bits, 1}, {header.descriptor, 1}});
  for (int i = 0; i < header.id_length; ++i) out.push_back(static_cast<uint8_t>('a' + i % 26));
  out.insert(out.end(), colour_map.begin(), colour_map.end());
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

Bytes TgaRle(const Bytes& pixels, uint32_t pixel_bytes) {
  const size_t count = pixels.size() / pixel_bytes;
  auto at = [&](size_t i) { return pixels.begin() + i * pixel_bytes; };
  Bytes out;
  size_t raw_header = SIZE_MAX;  // where the open raw packet's header is
  for (size_t i = 0; i < count;) {
    size_t run = 1;
    while (i + run < count && run < 128 && std::equal(at(i), at(i + 1), at(i + run))) ++run;
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

// The LZW code stream; code sizes follow the decoder, which adds its table entries one
// code later than the encoder.
Bytes LzwCodes(const Bytes& indices, int minimum_size) {
  const int clear = 1 << minimum_size;
  Bytes out;
  uint32_t accumulator = 0;
  int bits = 0;
  auto put = [&](int code, int size) {
    accumulator |= uint32_t(code) << bits;
    for (bits += size; bits >= 8; bits -= 8, accumulator >>= 8) out.push_back(accumulator & 0xff);
  };
  std::map<uint32_t, int> table;
  int size = 0, limit = 0, decoder_next = 0, next = 0;
  bool first = true;
  auto reset = [&] {
    table.clear();
    size = minimum_size + 1;
    limit = 2 * clear;
    decoder_next = next = clear + 2;
    first = true;
  };
  auto emit = [&](int code) {
    put(code, size);
    if (first) {
      first = false;
      return;
    }
    if (decoder_next < 4096 && ++decoder_next >= limit && limit < 4096) {
      limit *= 2;
      ++size;
    }
  };
  put(clear, minimum_size + 1);
  reset();
  int prefix = indices[0];
  for (size_t i = 1; i < indices.size(); ++i) {
    const uint32_t key = (uint32_t(prefix) << 8) | indices[i];
    auto found = table.find(key);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    emit(prefix);
    if (next < 4096) {
      table[key] = next++;
    } else {
      put(clear, size);
      reset();
    }
    prefix = indices[i];
  }
  emit(prefix);
  put(clear + 1, size + 7);  // the padding flushes the last byte
  return out;
}

// The map padded with black to the given number of entries.
void PutColourMap(Bytes& out, const std::vector<Rgb>& map, size_t entries) {
  for (const Rgb& entry : map) out.insert(out.end(), entry.begin(), entry.end());
  out.resize(out.size() + 3 * (entries - map.size()));
}

// The size field of a colour map of at least count entries: 2 << field entries.
int MapSizeField(size_t count) {
  int field = 0;
  while ((2u << field) < count) ++field;
  return field;
}

Bytes InterlacedOrder(const Bytes& indices, uint16_t width, uint16_t height) {
  Bytes out;
  const int starts[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = starts[pass]; y < height; y += steps[pass]) {
      out.insert(out.end(), indices.begin() + y * width, indices.begin() + (y + 1) * width);
    }
  }
  return out;
}

// The LZW code of indices as sub-blocks ending in a zero-length block.
Bytes GifImageData(const Bytes& indices, int minimum_code_size) {
  const Bytes codes = LzwCodes(indices, minimum_code_size);
  Bytes out = {static_cast<uint8_t>(minimum_code_size)};
  for (size_t i = 0; i < codes.size(); i += 255) {
    const size_t count = std::min<size_t>(255, codes.size() - i);
    out.push_back(static_cast<uint8_t>(count));
    out.insert(out.end(), codes.begin() + i, codes.begin() + i + count);
  }
  out.push_back(0);
  return out;
}

}  // namespace

Bytes Gif(uint16_t screen_width, uint16_t screen_height, const std::vector<Rgb>& global_map,
          const std::vector<GifFrame>& frames) {
  Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
  const int global_field = MapSizeField(global_map.size());
  Put(out, {{screen_width, 2}, {screen_height, 2},
            {global_map.empty() ? 0u : 0x80u | global_field, 1}, {0, 2}});
  if (!global_map.empty()) PutColourMap(out, global_map, 2 << global_field);
  for (const GifFrame& frame : frames) {
    if (frame.transparent >= 0) {
      out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<uint8_t>(frame.transparent), 0});
    }
    const int local_field = MapSizeField(frame.local_map.size());
    uint32_t flags = frame.interlaced ? 0x40 : 0;
    if (!frame.local_map.empty()) flags |= 0x80 | local_field;
    Put(out, {{',', 1}, {frame.left, 2}, {frame.top, 2}, {frame.width, 2}, {frame.height, 2},
              {flags, 1}});
    if (!frame.local_map.empty()) PutColourMap(out, frame.local_map, 2 << local_field);
    const Bytes data = GifImageData(
        frame.interlaced ? InterlacedOrder(frame.indices, frame.width, frame.height)
                         : frame.indices,
        frame.minimum_code_size);
    out.insert(out.end(), data.begin(), data.end());
  }
  out.push_back(';');
  return out;
}

Bytes Png(uint32_t width, uint32_t height, PngKind kind, int bit_depth, const Bytes& rows,
          bool interlaced, const std::vector<Rgb>& palette) {
  static const int kColourTypes[] = {PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_GRAY_ALPHA,
                                     PNG_COLOR_TYPE_PALETTE, PNG_COLOR_TYPE_RGB,
                                     PNG_COLOR_TYPE_RGBA};
  static const int kChannels[] = {1, 2, 1, 3, 4};
  const int index = static_cast<int>(kind);
  Bytes out;
  png_structp png = png_create_write_struct(
      PNG_LIBPNG_VER_STRING, nullptr,
      [](png_structp, png_const_charp message) { throw std::runtime_error(message); }, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, [](png_structp png, png_bytep data, size_t count) {
    auto* bytes = static_cast<Bytes*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + count);
  }, nullptr);
  png_set_IHDR(png, info, width, height, bit_depth, kColourTypes[index],
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> colours;
  for (const Rgb& entry : palette) colours.push_back({entry[0], entry[1], entry[2]});
  if (kind == PngKind::kPalette) png_set_PLTE(png, info, colours.data(), int(colours.size()));
  const size_t row_bytes = (size_t{width} * kChannels[index] * bit_depth + 7) / 8;
  std::vector<png_bytep> pointers(height);
  for (uint32_t y = 0; y < height; ++y) pointers[y] = const_cast<png_bytep>(&rows[y * row_bytes]);
  png_set_rows(png, info, pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes Pattern(uint32_t width, uint32_t height, uint32_t depth) {
  Bytes out(size_t{width} * height * depth);
  size_t i = 0;
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      for (uint32_t c = 0; c < depth; ++c) {
        // Flat stretches for the run-length codes, gradients and noise for the rest.
        const uint32_t band = (x / 16 + y / 16 + c) % 3;
        out[i++] = band == 0 ? uint8_t(40 * c + 7)
                   : band == 1 ? uint8_t(x + 2 * y + 50 * c)
                               : uint8_t((x * 7919 + y * 104729 + c * 31) >> 3);
      }
    }
  }
  return out;
}

Bytes FlipRows(const Bytes& pixels, size_t row_bytes) {
  Bytes out;
  out.reserve(pixels.size());
  for (size_t end = pixels.size(); end >= row_bytes; end -= row_bytes) {
    out.insert(out.end(), pixels.begin() + (end - row_bytes), pixels.begin() + end);
  }
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

}  // namespace picture_bytes
