// The GIF reader: the first image on the logical screen, top row first; messages on
// standard error.
#include <gtest/gtest.h>

#include <numeric>

#include "reader_checks.h"

using namespace picture_bytes;

namespace {

// A GIF of count copies of one 2 x 2 image, then the start of one more, cut short.
Bytes ManyImages(int count) {
    const Bytes one = Gif(2, 2, Colours(4), {{.width = 2, .height = 2, .indices = {0, 1, 2, 3}}});
    Bytes file = Head(one, 13 + 12);
    for (int i = 0; i < count; ++i)
        file.insert(file.end(), one.begin() + 13 + 12, one.end() - 1);
    return Cat(file, {',', 0, 0});
}

TEST(GifReader, GivesExactPixels) {
    Bytes bogus_byte = Gif(4, 1, Greys(4), {{.width = 4, .height = 1, .indices = {0, 1, 2, 3}}});
    bogus_byte.insert(bogus_byte.end() - 1, 0x55);
    const Bytes c4 = Colours(4), entry1(&c4[3], &c4[6]), entries12(&c4[3], &c4[9]);
    ExpectPixels(DecodeGifPicture,
                 {{"grey, then a bogus byte",
                   bogus_byte,
                   {4, 1, 1},
                   {0, 1, 2, 3},
                   "Image reader: bogus character 0x55, ignoring\n"},
                  {"grey with a transparent index",
                   Gif(4, 1, Greys(4),
                       {{.width = 4, .height = 1, .indices = {0, 1, 2, 3}, .transparent = 2}}),
                   {4, 1, 2},
                   {0, 255, 1, 255, 2, 0, 3, 255}},
                  {"image placed on the screen",
                   Gif(3, 2, Colours(4),
                       {{.left = 2, .top = 1, .width = 2, .height = 2, .indices = {1, 1, 1, 1}}}),
                   {3, 2, 3},
                   Cat(Bytes(15, 0), entry1)},
                  {"first image, before a format change",
                   Gif(2, 1, Colours(4),
                       {{.width = 2, .height = 1, .indices = {1, 2}},
                        {.width = 2, .height = 1, .indices = {3, 3}, .transparent = 3}}),
                   {2, 1, 3},
                   entries12,
                   "Image reader: multiple colormap formats encounted at frame 1\n"},
                  // Reading stops after 256 images: the one cut short is never reached.
                  {"300 images", ManyImages(300), {2, 2, 3}, Colours(4)}});
}

// Row y holds index y; a file of 10 rows stores rows 0, 8, 4, 2, 6, 1, 3, 5, 7, 9.
TEST(GifReader, InterlacedRowsLandInPlace) {
    std::vector<PixelCase> cases;
    for (uint16_t height : {1, 2, 3, 5, 10, 37}) {
        Bytes indices(height);
        std::iota(indices.begin(), indices.end(), 0);
        cases.push_back(
            {std::to_string(height) + " rows",
             Gif(1, height, Greys(64),
                 {{.width = 1, .height = height, .indices = indices, .interlaced = true}}),
             {1, height, 1},
             indices});
    }
    ExpectPixels(DecodeGifPicture, cases);
}

TEST(GifReader, MatchesStbImage) {
    std::vector<StbCase> cases;
    // Minimum code sizes 2 and 8 take the code from 3 and 9 bits up to 12, through several
    // full tables. The 4 colours come from a local map over a grey global one.
    for (int colours : {4, 256}) {
        const GifFrame frame = {.width = 301,
                                .height = 97,
                                .indices = Indices(301, 97, colours),
                                .local_map = colours == 4 ? Colours(4) : Bytes{},
                                .minimum_code_size = colours == 4 ? 2 : 8};
        cases.push_back({std::to_string(colours) + " colours",
                         Gif(301, 97, colours == 4 ? Greys(4) : Colours(256), {frame}), 3});
    }
    GifFrame interlaced = {.width = 123,
                           .height = 45,
                           .indices = Indices(123, 45, 256),
                           .interlaced = true,
                           .transparent = 200};
    interlaced.indices[5] = 200;
    cases.push_back({"interlaced, transparent", Gif(123, 45, Colours(256), {interlaced}), 4});
    ExpectSameAsStb(DecodeGifPicture, cases, false);
}

TEST(GifReader, RefusesWithItsMessages) {
    const Bytes gif =
        Gif(64, 64, Colours(256), {{.width = 64, .height = 64, .indices = Indices(64, 64, 256)}});
    // The header, colour map and 64 x 64 image descriptor, then the given image data.
    auto with_data = [&](const Bytes& data) { return Cat(Head(gif, 13 + 768 + 10), data); };
    ExpectRefused(
        DecodeGifPicture, Channel::kStderr,
        {{"not GIF", With(gif, 2, {'X'}), "Image reader: not a GIF file\n"},
         {"version 90a", With(gif, 3, {'9', '0'}),
          "Image reader: bad version number, not '87a' or '89a'\n"},
         {"colour map cut", Head(gif, 20),
          "Image reader: bad colormap\nImage reader: EOF / read error on image data\n"},
         {"no trailer", Head(gif, gif.size() - 1),
          "Image reader: EOF / read error on image data\n"},
         {"255 images and a cut descriptor", ManyImages(255),
          "Image reader: couldn't read left/top/width/height\n"},
         // Eight codes, then the data ends in the middle of the picture without an end code.
         {"codes run out", with_data({8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, ';'}),
          "Image reader: ran off the end of my bits\n"},
         {"code size 12", with_data({12, 1, 0, 0, ';'}), "Image reader: error reading image\n"},
         {"block longer than the file", with_data({8, 200, 1, 2, 3})},
         {"screen far larger than the data", With(gif, 6, {0, 0x80, 0, 0x8}),
          "Image reader: unsupported screen size 32768 x 2048\n"},
         {"image far larger than the data",
          With(with_data({2, 1, 4, 0, ';'}), 13 + 768 + 5, {0, 0x80, 0, 0x8}),
          "Image reader: error reading image\n"}});
}

} // namespace
