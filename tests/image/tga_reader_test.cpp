#include "reader_test_util.h"

using namespace picture_bytes;

namespace {

Decoded DecodeTga(const Bytes& file) { return Decode(DecodeTgaPicture, file); }

TgaHeader Header(uint8_t type, uint16_t width, uint16_t height, uint8_t pixel_bits) {
  TgaHeader header;
  header.type = type;
  header.width = width;
  header.height = height;
  header.pixel_bits = pixel_bits;
  return header;
}

// A colour map of 256 blue, green, red(, alpha) entries and indices using all of it.
Bytes ColourMap(uint32_t entry_bytes) {
  Bytes map;
  for (int i = 0; i < 256; ++i) {
    map.insert(map.end(), {uint8_t(i), uint8_t(i * 7), uint8_t(255 - i)});
    if (entry_bytes == 4) map.push_back(uint8_t(i * 3));
  }
  return map;
}

TEST(TgaReader, AllReadableTypesMatchStbImage) {
  const uint16_t width = 67, height = 23;
  for (uint32_t depth : {3u, 4u}) {
    const Bytes pixels = Pattern(width, height, depth);
    const Bytes indices = Pattern(width, height, 1);
    TgaHeader mapped = Header(1, width, height, 8);
    mapped.colour_map_type = 1;
    mapped.map_length = 256;
    mapped.map_entry_bits = uint8_t(depth * 8);
    mapped.id_length = 5;
    TgaHeader mapped_rle = mapped;
    mapped_rle.type = 9;
    const Bytes files[] = {
        Tga(Header(2, width, height, uint8_t(depth * 8)), {}, pixels),
        Tga(Header(10, width, height, uint8_t(depth * 8)), {}, TgaRle(pixels, depth)),
        Tga(mapped, ColourMap(depth), indices),
        Tga(mapped_rle, ColourMap(depth), TgaRle(indices, 1)),
    };
    for (const Bytes& file : files) {
      const Decoded d = DecodeTga(file);
      ASSERT_TRUE(d.ok) << d.out;
      EXPECT_EQ(d.image.depth, depth);
      // The record reverses the file's rows: with the origin at the bottom left, that is
      // stb_image's top-first order.
      EXPECT_EQ(d.image.pixels, StbDecode(file, int(depth))) << int(file[2]);
    }
  }
}

TEST(TgaReader, RunPacketsRepeatOneValueAndStopAtTheLastPixel) {
  // 3 x 1 at 32 bits: a run of 2, then a run of 5 of which one pixel fits.
  const Bytes data = {0x81, 1, 2, 3, 4, 0x84, 5, 6, 7, 8};
  const Decoded d = DecodeTga(Tga(Header(10, 3, 1, 32), {}, data));
  ASSERT_TRUE(d.ok) << d.out;
  EXPECT_EQ(d.image.pixels, (Bytes{3, 2, 1, 4, 3, 2, 1, 4, 7, 6, 5, 8}));
}

TEST(TgaReader, TrueColourFileWithAColourMapSkipsIt) {
  TgaHeader header = Header(2, 2, 1, 24);
  header.colour_map_type = 1;
  header.map_length = 2;
  header.map_entry_bits = 24;
  const Bytes file = Tga(header, {9, 9, 9, 9, 9, 9}, {1, 2, 3, 4, 5, 6});
  const Decoded d = DecodeTga(file);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, (Bytes{3, 2, 1, 6, 5, 4}));
}

TEST(TgaReader, UnreadableTypesAndFormatsNameTheFile) {
  const std::pair<uint8_t, const char*> types[] = {
      {0, "[ERROR] The file pic contains no image data\n"},
      {33, "[ERROR] The file pic contains compressed color map data which is un-supported "
           "(4pass quad tree process)\n"},
      {7, "[ERROR] The file pic does not appear to be valid\n"},
  };
  for (const auto& [type, message] : types) {
    const Decoded d = DecodeTga(Tga(Header(type, 1, 1, 24), {}, {1, 2, 3}));
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.out, message);
  }
  // 16-bit pixels and colour maps, and wide indices, are refused rather than misread.
  TgaHeader map16 = Header(1, 1, 1, 8);
  map16.map_length = 1;
  map16.map_entry_bits = 16;
  TgaHeader wide_index = Header(1, 1, 1, 16);
  wide_index.map_length = 1;
  wide_index.map_entry_bits = 24;
  for (const Bytes& file : {Tga(Header(2, 1, 1, 16), {}, {1, 2}), Tga(map16, {1, 2}, {0}),
                            Tga(wide_index, {1, 2, 3}, {0, 0})}) {
    const Decoded d = DecodeTga(file);
    EXPECT_FALSE(d.ok);
    EXPECT_NE(d.out, "");
  }
}

TEST(TgaReader, TruncatedAndHostileFilesFailCleanly) {
  const Bytes raw = Tga(Header(2, 16, 16, 32), {}, Pattern(16, 16, 4));
  const Bytes rle = Tga(Header(10, 16, 16, 32), {}, TgaRle(Pattern(16, 16, 4), 4));
  TgaHeader mapped = Header(9, 16, 16, 8);
  mapped.map_length = 0xFFFF;
  mapped.map_entry_bits = 32;
  const Bytes cases[] = {
      Bytes(raw.begin(), raw.begin() + 10),
      Bytes(raw.begin(), raw.end() - 1),
      Bytes(rle.begin(), rle.end() - 1),
      Tga(Header(10, 0xFFFF, 0xFFFF, 32), {}, {0xFF, 1, 2, 3, 4}),
      Tga(Header(2, 0, 5, 24), {}, {}),
      Tga(mapped, {}, {0x80, 0}),
  };
  for (const Bytes& file : cases) {
    const Decoded d = DecodeTga(file);
    EXPECT_FALSE(d.ok);
    EXPECT_NE(d.out, "");
  }
}

}  // namespace
