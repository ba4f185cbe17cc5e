#include "reader_test_util.h"

using namespace picture_bytes;

namespace {

Decoded DecodePng(const Bytes& file) { return Decode(DecodePngPicture, file); }

TEST(PngReader, EightBitPicturesKeepTheirChannelsBottomRowFirst) {
  const uint32_t width = 37, height = 21;
  const std::pair<PngKind, uint32_t> kinds[] = {
      {PngKind::kGrey, 1}, {PngKind::kGreyAlpha, 2}, {PngKind::kRgb, 3}, {PngKind::kRgba, 4}};
  for (const auto& [kind, channels] : kinds) {
    const Bytes rows = Pattern(width, height, channels);
    for (bool interlaced : {false, true}) {
      const Bytes file = Png(width, height, kind, 8, rows, interlaced);
      const Decoded d = DecodePng(file);
      ASSERT_TRUE(d.ok) << d.out;
      EXPECT_EQ(d.image.depth, channels);
      EXPECT_EQ(d.image.pixels, FlipRows(rows, width * channels)) << channels << interlaced;
      EXPECT_EQ(d.image.pixels, FlipRows(StbDecode(file, int(channels)), width * channels));
    }
  }
}

TEST(PngReader, PalettePicturesGiveIndicesNotColours) {
  std::vector<Rgb> palette;
  for (int i = 0; i < 16; ++i) palette.push_back({uint8_t(i * 16), 0, 255});
  const Bytes indices = {0, 5, 15, 9, 3, 1};  // 3 x 2
  Decoded d = DecodePng(Png(3, 2, PngKind::kPalette, 8, indices, false, palette));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 1u);
  EXPECT_EQ(d.image.pixels, (Bytes{9, 3, 1, 0, 5, 15}));
  // Four bits per index are spread to one byte each.
  d = DecodePng(Png(3, 2, PngKind::kPalette, 4, {0x05, 0xF0, 0x93, 0x10}, false, palette));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, (Bytes{9, 3, 1, 0, 5, 15}));
}

TEST(PngReader, SixteenAndSubByteSamplesBecomeEightBitSamples) {
  // 16-bit samples v * 257 read as v.
  Bytes wide;
  const Bytes samples = {0, 1, 127, 128, 254, 255};
  for (uint8_t v : samples) wide.insert(wide.end(), {v, v});
  Decoded d = DecodePng(Png(2, 1, PngKind::kRgb, 16, wide));
  ASSERT_TRUE(d.ok) << d.out;
  EXPECT_EQ(d.image.depth, 3u);
  EXPECT_EQ(d.image.pixels, samples);
  // 1- and 2-bit grey are scaled to the full range.
  d = DecodePng(Png(8, 1, PngKind::kGrey, 1, {0b10110000}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, (Bytes{255, 0, 255, 255, 0, 0, 0, 0}));
  d = DecodePng(Png(4, 1, PngKind::kGrey, 2, {0b00011011}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, (Bytes{0, 85, 170, 255}));
}

TEST(PngReader, BadFilesFailWithTheirMessages) {
  const Bytes good = Png(64, 64, PngKind::kRgb, 8, Pattern(64, 64, 3));
  Bytes not_png = good;
  not_png[1] = 'Q';
  Decoded d = DecodePng(not_png);
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.out, "[ERROR] File is not recognized as a PNG file {$s}\n");

  d = DecodePng(Bytes(good.begin(), good.begin() + good.size() / 2));
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.out, "[ERROR] Error during read_image {pic}\n");

  for (const Bytes& header_damage : {Bytes(good.begin(), good.begin() + 20),
                                     [&] {
                                       Bytes file = good;
                                       file[16] = 0x7f;  // width beyond any limit, bad CRC
                                       return file;
                                     }()}) {
    d = DecodePng(header_damage);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.out, "[ERROR] init_io failure {pic}\n");
  }
}

}  // namespace
