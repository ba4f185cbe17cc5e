#include "reader_test_util.h"

using namespace picture_bytes;

namespace {

Decoded DecodeBmp(const Bytes& file) { return Decode(DecodeBmpPicture, file); }

std::vector<std::array<uint8_t, 4>> Palette(std::array<uint8_t, 4> (*entry)(int)) {
  std::vector<std::array<uint8_t, 4>> palette;
  for (int i = 0; i < 256; ++i) palette.push_back(entry(i));
  return palette;
}

TEST(BmpReader, TwentyFourBitRowsDropPaddingKeepFileOrderAndBecomeRgb) {
  // 3 pixels of 3 bytes: 9 bytes and 3 padding bytes per row in the file.
  const Bytes rows = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  const Bytes file = Bmp(3, 2, 24, rows);
  ASSERT_EQ(file.size(), 54u + 2 * 12);
  const Decoded d = DecodeBmp(file);
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.width, 3u);
  EXPECT_EQ(d.image.height, 2u);
  EXPECT_EQ(d.image.depth, 3u);
  EXPECT_EQ(d.image.pixels,
            (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));
  // The file's first row is the bottom of the picture, stb_image gives the top first.
  for (uint32_t width : {1u, 2u, 3u, 97u}) {
    const Bytes larger = Bmp(width, 33, 24, Pattern(width, 33, 3));
    EXPECT_EQ(FlipRows(DecodeBmp(larger).image.pixels, width * 3), StbDecode(larger, 3));
  }
}

TEST(BmpReader, ThirtyTwoBitKeepsAlphaAsStored) {
  const Bytes rows = {10, 20, 30, 0, 40, 50, 60, 128};
  const Decoded d = DecodeBmp(Bmp(2, 1, 32, rows));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 4u);
  EXPECT_EQ(d.image.pixels, (Bytes{30, 20, 10, 0, 60, 50, 40, 128}));
}

TEST(BmpReader, EightBitGreyPalettesGiveIndicesAtDepthOne) {
  const Bytes rows = {0, 7, 200, 255, 1, 2};  // 3 wide: a padded row of 3 bytes
  for (auto entry : {+[](int i) { return std::array<uint8_t, 4>{uint8_t(i), uint8_t(i), uint8_t(i), 0}; },
                     +[](int i) { return std::array<uint8_t, 4>{0, 0, uint8_t(i), 0}; }}) {
    const Decoded d = DecodeBmp(Bmp(3, 2, 8, rows, Palette(entry)));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.image.depth, 1u);
    EXPECT_EQ(d.image.pixels, rows);
  }
}

TEST(BmpReader, EightBitColourPaletteGivesRgb) {
  const auto palette = Palette(
      [](int i) { return std::array<uint8_t, 4>{uint8_t(i + 1), uint8_t(i + 2), uint8_t(255 - i), 0}; });
  const Bytes rows = Pattern(5, 4, 1);
  const Bytes file = Bmp(5, 4, 8, rows, palette);
  const Decoded d = DecodeBmp(file);
  ASSERT_TRUE(d.ok);
  ASSERT_EQ(d.image.depth, 3u);
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& entry = palette[rows[i]];
    EXPECT_EQ(d.image.pixels[i * 3], entry[2]);
    EXPECT_EQ(d.image.pixels[i * 3 + 1], entry[1]);
    EXPECT_EQ(d.image.pixels[i * 3 + 2], entry[0]);
  }
  EXPECT_EQ(FlipRows(d.image.pixels, 15), StbDecode(file, 3));
}

TEST(BmpReader, ShortPaletteAndTopDownRowsAreRead) {
  // 2 palette entries, rows stored top first: the record still keeps the bottom row first.
  const std::vector<std::array<uint8_t, 4>> palette = {{0, 0, 255, 0}, {255, 0, 0, 0}};
  const Bytes file = Bmp(2, -2, 8, {0, 1, 1, 1}, palette, 2);
  const Decoded d = DecodeBmp(file);
  ASSERT_TRUE(d.ok) << d.out;
  EXPECT_EQ(d.image.pixels, (Bytes{0, 0, 255, 0, 0, 255, 255, 0, 0, 0, 0, 255}));
  EXPECT_EQ(FlipRows(d.image.pixels, 6), StbDecode(file, 3));
}

TEST(BmpReader, RefusesWhatItCannotReadWithItsMessage) {
  Bytes not_bitmap = Bmp(1, 1, 24, {1, 2, 3});
  not_bitmap[0] = 'X';
  Decoded d = DecodeBmp(not_bitmap);
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.out, "");

  Bytes compressed = Bmp(1, 1, 24, {1, 2, 3});
  compressed[30] = 1;
  d = DecodeBmp(compressed);
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.out, "[ERROR] This bitmap loader does not support compressed files (yet)\n");

  d = DecodeBmp(Bmp(2, 1, 16, {1, 2, 3, 4}));
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.out, "[ERROR] bitmap loader does not support this bit depth\n");
}

TEST(BmpReader, HostileSizesAndTruncationFailCleanly) {
  const Bytes good = Bmp(4, 4, 24, Pattern(4, 4, 3));
  for (size_t keep : {size_t{0}, size_t{13}, size_t{30}, size_t{54}, good.size() - 1}) {
    const Decoded d = DecodeBmp(Bytes(good.begin(), good.begin() + keep));
    EXPECT_FALSE(d.ok) << keep;
  }
  EXPECT_EQ(DecodeBmp(Bytes(good.begin(), good.end() - 1)).out,
            "[ERROR] The file pic is truncated\n");
  // Widths and heights that overflow or are empty, with no pixel data behind them.
  for (auto [width, height] : {std::pair<uint32_t, uint32_t>{0xFFFFFFFF, 1}, {1, 0x7FFFFFFF},
                               {0x10000, 0x10000}, {0, 5}, {5, 0}, {1, 0x80000000}}) {
    Bytes file = good;
    std::copy_n(reinterpret_cast<uint8_t*>(&width), 4, file.begin() + 18);
    std::copy_n(reinterpret_cast<uint8_t*>(&height), 4, file.begin() + 22);
    const Decoded d = DecodeBmp(file);
    EXPECT_FALSE(d.ok) << width << " x " << height;
    EXPECT_NE(d.out, "") << width << " x " << height;
  }
}

}  // namespace
