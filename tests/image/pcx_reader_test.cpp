#include "reader_test_util.h"

using namespace picture_bytes;

namespace {

Decoded DecodePcx(const Bytes& file) { return Decode(DecodePcxPicture, file); }

TEST(PcxReader, OnePlaneWithoutPaletteGivesIntensitiesBottomRowFirst) {
  // Lines are padded to an even bytes-per-line; the padding byte is not part of the picture.
  const Bytes lines = {1, 2, 3, 99, 200, 201, 202, 99};
  const Decoded d = DecodePcx(Pcx(3, 2, 1, 4, lines));
  ASSERT_TRUE(d.ok) << d.out;
  EXPECT_EQ(d.image.depth, 1u);
  EXPECT_EQ(d.image.pixels, (Bytes{200, 201, 202, 1, 2, 3}));
}

TEST(PcxReader, ThreePlanesAreInterleaved) {
  const uint16_t width = 37, height = 9, bpl = 38;
  Bytes lines;
  Bytes expected(width * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int p = 0; p < 3; ++p) {
      for (int x = 0; x < bpl; ++x) {
        const uint8_t value = x < width ? uint8_t(x * 5 + y * 30 + p * 70) : 0;
        lines.push_back(value);
        if (x < width) expected[((height - 1 - y) * width + x) * 3 + p] = value;
      }
    }
  }
  const Decoded d = DecodePcx(Pcx(width, height, 3, bpl, lines));
  ASSERT_TRUE(d.ok) << d.out;
  EXPECT_EQ(d.image.depth, 3u);
  EXPECT_EQ(d.image.pixels, expected);
}

TEST(PcxReader, PaletteMarkerTurnsIndicesIntoColoursUnlessTheRampIsGrey) {
  const Bytes lines = {0, 1, 2, 3};
  Bytes colours, ramp;
  for (int i = 0; i < 256; ++i) {
    colours.insert(colours.end(), {uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)});
    ramp.insert(ramp.end(), {uint8_t(i), uint8_t(i), uint8_t(i)});
  }
  Decoded d = DecodePcx(Pcx(2, 2, 1, 2, lines, colours));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 3u);
  EXPECT_EQ(d.image.pixels, (Bytes{2, 6, 253, 3, 9, 252, 0, 0, 255, 1, 3, 254}));

  d = DecodePcx(Pcx(2, 2, 1, 2, lines, ramp));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 1u);
  EXPECT_EQ(d.image.pixels, (Bytes{2, 3, 0, 1}));
}

TEST(PcxReader, RunsOfZeroWriteNothingAndRunsStopAtTheLineEnd) {
  Bytes file = Pcx(4, 2, 1, 4, Bytes(8, 0));
  file.resize(128);
  // Line 1: an empty run of 9, then a run of 6 fives that is cut after 4.
  // Line 2: raw bytes.
  file.insert(file.end(), {192, 9, 198, 5, 1, 2, 3, 4});
  const Decoded d = DecodePcx(file);
  ASSERT_TRUE(d.ok) << d.out;
  EXPECT_EQ(d.image.pixels, (Bytes{1, 2, 3, 4, 5, 5, 5, 5}));
}

TEST(PcxReader, RefusesOtherFilesWithItsMessages) {
  Bytes file = Pcx(2, 2, 1, 2, {1, 2, 3, 4});
  file[0] = 11;
  EXPECT_EQ(DecodePcx(file).out, "[ERROR] pic is not a pcx file!!\n");
  file[0] = 10;
  file[1] = 3;
  const Decoded d = DecodePcx(file);
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.out, "[ERROR] Only version 5 of the pcx file format is supported....\n");
}

TEST(PcxReader, CorruptHeadersAndTruncationFailCleanly) {
  const Bytes good = Pcx(16, 16, 3, 16, Pattern(48, 16, 1));
  auto with = [&](size_t offset, std::initializer_list<uint8_t> bytes) {
    Bytes file = good;
    std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
    return DecodePcx(file);
  };
  const Decoded cases[] = {
      with(66, {8, 0}),          // lines shorter than the width
      with(66, {0, 0x80}),       // negative bytes per line
      with(65, {0}),             // no planes
      with(65, {255}),           // more planes than the data holds
      with(8, {0xff, 0xff}),     // xmax far out
      with(4, {20, 0}),          // xmin beyond xmax
      with(10, {0xff, 0x7f}),    // ymax far out
      DecodePcx(Bytes(good.begin(), good.end() - 5)),
      DecodePcx(Bytes(good.begin(), good.begin() + 100)),
  };
  for (const Decoded& d : cases) {
    EXPECT_FALSE(d.ok);
    EXPECT_NE(d.out, "");
  }
}

}  // namespace
