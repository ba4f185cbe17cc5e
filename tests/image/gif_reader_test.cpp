#include "reader_test_util.h"

using namespace picture_bytes;

namespace {

Decoded DecodeGif(const Bytes& file) { return Decode(DecodeGifPicture, file); }

std::vector<Rgb> ColourMap(int entries) {
  std::vector<Rgb> map;
  for (int i = 0; i < entries; ++i) map.push_back({uint8_t(i), uint8_t(i * 5), uint8_t(255 - i)});
  return map;
}

std::vector<Rgb> GreyRamp(int entries) {
  std::vector<Rgb> map;
  for (int i = 0; i < entries; ++i) map.push_back({uint8_t(i), uint8_t(i), uint8_t(i)});
  return map;
}

GifFrame Frame(uint16_t width, uint16_t height, Bytes indices) {
  GifFrame frame;
  frame.width = width;
  frame.height = height;
  frame.indices = std::move(indices);
  return frame;
}

// Index pattern that LZW compresses well in places and poorly in others.
Bytes Indices(uint16_t width, uint16_t height, int colours) {
  Bytes indices = Pattern(width, height, 1);
  for (uint8_t& index : indices) index %= colours;
  return indices;
}

Bytes Expand(const Bytes& indices, const std::vector<Rgb>& map) {
  Bytes out;
  for (uint8_t index : indices) out.insert(out.end(), map[index].begin(), map[index].end());
  return out;
}

TEST(GifReader, GlobalMapPicturesMatchStbImageTopRowFirst) {
  // Minimum code sizes 2 and 8 take the code from 3 bits and 9 bits up to 12, through
  // several full tables.
  for (int colours : {4, 256}) {
    const uint16_t width = 301, height = 97;
    GifFrame frame = Frame(width, height, Indices(width, height, colours));
    frame.minimum_code_size = colours == 4 ? 2 : 8;
    const Bytes file = Gif(width, height, ColourMap(colours), {frame});
    const Decoded d = DecodeGif(file);
    ASSERT_TRUE(d.ok) << d.err;
    EXPECT_EQ(d.err, "");
    EXPECT_EQ(d.image.width, width);
    EXPECT_EQ(d.image.height, height);
    EXPECT_EQ(d.image.depth, 3u);
    EXPECT_EQ(d.image.pixels, Expand(frame.indices, ColourMap(colours)));
    EXPECT_EQ(d.image.pixels, StbDecode(file, 3));
  }
}

TEST(GifReader, LocalMapReplacesTheGlobalOne) {
  GifFrame frame = Frame(2, 1, {0, 1});
  frame.local_map = {{10, 20, 30}, {40, 50, 60}};
  const Decoded d = DecodeGif(Gif(2, 1, ColourMap(4), {frame}));
  ASSERT_TRUE(d.ok) << d.err;
  EXPECT_EQ(d.image.pixels, (Bytes{10, 20, 30, 40, 50, 60}));
}

TEST(GifReader, TransparentIndexAddsAlphaZeroExactlyThere) {
  GifFrame frame = Frame(16, 16, Indices(16, 16, 256));
  frame.transparent = 200;
  frame.indices[5] = 200;
  const Bytes file = Gif(16, 16, ColourMap(256), {frame});
  const Decoded d = DecodeGif(file);
  ASSERT_TRUE(d.ok) << d.err;
  ASSERT_EQ(d.image.depth, 4u);
  Bytes colours_where_opaque = d.image.pixels;
  for (size_t i = 0; i < frame.indices.size(); ++i) {
    EXPECT_EQ(d.image.pixels[i * 4 + 3], frame.indices[i] == 200 ? 0 : 255) << i;
    // The colour under a transparent pixel is kept; stb_image clears it.
    if (frame.indices[i] == 200) std::fill_n(colours_where_opaque.begin() + i * 4, 3, 0);
  }
  EXPECT_EQ(colours_where_opaque, StbDecode(file, 4));
}

TEST(GifReader, GreyRampsGiveIntensitiesWithOptionalAlpha) {
  GifFrame frame = Frame(4, 1, {0, 1, 2, 3});
  Decoded d = DecodeGif(Gif(4, 1, GreyRamp(4), {frame}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 1u);
  EXPECT_EQ(d.image.pixels, (Bytes{0, 1, 2, 3}));

  frame.transparent = 2;
  d = DecodeGif(Gif(4, 1, GreyRamp(4), {frame}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 2u);
  EXPECT_EQ(d.image.pixels, (Bytes{0, 255, 1, 255, 2, 0, 3, 255}));
}

TEST(GifReader, InterlacedRowsLandInPictureOrder) {
  // Row y holds index y; the file stores rows 0, 8, 4, 2, 6, 1, 3, 5, 7, 9.
  for (uint16_t height : {1, 2, 3, 5, 10, 37}) {
    Bytes indices(height);
    for (uint16_t y = 0; y < height; ++y) indices[y] = uint8_t(y);
    GifFrame frame = Frame(1, height, indices);
    frame.interlaced = true;
    const Decoded d = DecodeGif(Gif(1, height, GreyRamp(64), {frame}));
    ASSERT_TRUE(d.ok) << height << d.err;
    EXPECT_EQ(d.image.pixels, indices) << height;
    EXPECT_EQ(d.err, "") << height;
  }
  GifFrame frame = Frame(123, 45, Indices(123, 45, 256));
  frame.interlaced = true;
  const Bytes file = Gif(123, 45, ColourMap(256), {frame});
  EXPECT_EQ(DecodeGif(file).image.pixels, StbDecode(file, 3));
}

TEST(GifReader, AnimationReturnsTheFirstFrameAndStopsAtAFormatChange) {
  GifFrame first = Frame(2, 1, {1, 2});
  GifFrame second = Frame(2, 1, {3, 3});
  Decoded d = DecodeGif(Gif(2, 1, ColourMap(4), {first, second}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.pixels, Expand({1, 2}, ColourMap(4)));

  second.transparent = 3;
  d = DecodeGif(Gif(2, 1, ColourMap(4), {first, second}));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.image.depth, 3u);
  EXPECT_EQ(d.image.pixels, Expand({1, 2}, ColourMap(4)));
  EXPECT_EQ(d.err, "Image reader: multiple colormap formats encounted at frame 1\n");
}

TEST(GifReader, ReadsAtMost256Images) {
  // An image cut short after the 256th is never reached; as the 256th it fails the load.
  const Bytes one_frame = Gif(2, 2, ColourMap(4), {Frame(2, 2, {0, 1, 2, 3})});
  const Bytes frame_bytes(one_frame.begin() + 13 + 12, one_frame.end() - 1);
  for (int frames : {300, 255}) {
    Bytes file(one_frame.begin(), one_frame.begin() + 13 + 12);
    for (int i = 0; i < frames; ++i) file.insert(file.end(), frame_bytes.begin(), frame_bytes.end());
    file.insert(file.end(), {',', 0, 0});
    const Decoded d = DecodeGif(file);
    EXPECT_EQ(d.ok, frames > 256) << d.err;
    EXPECT_EQ(d.err, frames > 256 ? "" : "Image reader: couldn't read left/top/width/height\n");
  }
}

TEST(GifReader, SmallerFrameIsPlacedAtItsOffsetOnTheScreen) {
  GifFrame frame = Frame(2, 2, {1, 1, 1, 1});
  frame.left = 2;
  frame.top = 1;
  const Decoded d = DecodeGif(Gif(3, 3, ColourMap(4), {frame}));
  ASSERT_TRUE(d.ok);
  Bytes expected(27, 0);
  for (size_t pixel : {5, 8}) std::copy_n(ColourMap(4)[1].begin(), 3, expected.begin() + pixel * 3);
  EXPECT_EQ(d.image.pixels, expected);
}

TEST(GifReader, WarningsLeaveThePictureAndFatalErrorsFailIt) {
  const Bytes good = Gif(4, 4, ColourMap(4), {Frame(4, 4, Indices(4, 4, 4))});
  Bytes bogus = good;
  bogus.insert(bogus.end() - 1, 0x55);
  Decoded d = DecodeGif(bogus);
  EXPECT_TRUE(d.ok);
  EXPECT_EQ(d.err, "Image reader: bogus character 0x55, ignoring\n");

  const std::pair<Bytes, const char*> fatal[] = {
      {{'G', 'I', 'X', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}, "not a GIF file"},
      {{'G', 'I', 'F', '9', '0', 'a', 1, 0, 1, 0, 0, 0, 0}, "bad version number, not '87a' or '89a'"},
      {Bytes(good.begin(), good.begin() + 20), "bad colormap"},
      {Bytes(good.begin(), good.end() - 1), "EOF / read error on image data"},
  };
  for (const auto& [file, message] : fatal) {
    d = DecodeGif(file);
    EXPECT_FALSE(d.ok) << message;
    EXPECT_NE(d.err.find(std::string("Image reader: ") + message + "\n"), std::string::npos)
        << d.err;
  }
}

TEST(GifReader, DamagedCodeStreamsFailWithoutReadingPastTheData) {
  const Bytes header = [] {
    Bytes file = Gif(64, 64, ColourMap(256), {});
    file.pop_back();
    file.insert(file.end(), {',', 0, 0, 0, 0, 64, 0, 64, 0, 0});
    return file;
  }();
  auto with_data = [&](Bytes data) {
    Bytes file = header;
    file.insert(file.end(), data.begin(), data.end());
    return DecodeGif(file);
  };
  // Code size out of range.
  EXPECT_FALSE(with_data({12, 1, 0, 0, ';'}).ok);
  // Eight codes, then the data ends in the middle of the picture without an end code.
  Decoded d = with_data({8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ';'});
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.err, "Image reader: ran off the end of my bits\n");
  // A block longer than the rest of the file.
  d = with_data({8, 200, 1, 2, 3});
  EXPECT_FALSE(d.ok);
  EXPECT_NE(d.err.find("Image reader: error in reading DataBlock\n"), std::string::npos);
  // An image far larger than the data in the file.
  Bytes huge = Gif(0x8000, 0x800, ColourMap(4), {});
  huge.pop_back();
  huge.insert(huge.end(), {',', 0, 0, 0, 0, 0, 0x80, 0, 0x8, 0, 2, 1, 4, 0, ';'});
  EXPECT_FALSE(DecodeGif(huge).ok);
}

}  // namespace
