// The PNG reader: samples as the file stores them, one byte each, bottom row first.
#include <gtest/gtest.h>

#include "reader_checks.h"

using namespace picture_bytes;

namespace {

TEST(PngReader, GivesExactPixels) {
    ExpectPixels(
        DecodePngPicture,
        {// Palette pictures give indices, however many bits they take.
         {"palette of 4 bits",
          Png(3, 2, PngKind::kPalette, 4, {0x05, 0xF0, 0x93, 0x10}, false, Colours(16)),
          {3, 2, 1},
          {9, 3, 1, 0, 5, 15}},
         {"16 bits scaled to 8",
          Png(2, 1, PngKind::kRgb, 16, {0, 0, 1, 1, 127, 127, 128, 128, 254, 254, 255, 255}),
          {2, 1, 3},
          {0, 1, 127, 128, 254, 255}},
         {"grey of 2 bits spread",
          Png(4, 1, PngKind::kGrey, 2, {0b00011011}),
          {4, 1, 1},
          {0, 85, 170, 255}}});
}

TEST(PngReader, MatchesStbImage) {
    const std::pair<PngKind, uint32_t> kinds[] = {
        {PngKind::kGrey, 1}, {PngKind::kGreyAlpha, 2}, {PngKind::kRgb, 3}, {PngKind::kRgba, 4}};
    std::vector<StbCase> cases;
    for (const auto& [kind, channels] : kinds) {
        for (bool interlace : {false, true}) {
            cases.push_back(
                {std::to_string(channels) + " channels" + (interlace ? ", interlaced" : ""),
                 Png(37, 21, kind, 8, Pattern(37, 21, channels), interlace), channels});
        }
    }
    ExpectSameAsStb(DecodePngPicture, cases, true);
}

TEST(PngReader, RefusesWithItsMessages) {
    const Bytes png = Png(64, 64, PngKind::kRgb, 8, Pattern(64, 64, 3));
    ExpectRefused(DecodePngPicture, Channel::kStdout,
                  {{"no signature", With(png, 1, {'Q'}),
                    "[ERROR] File is not recognized as a PNG file {$s}\n"},
                   {"cut in the pixels", Head(png, png.size() / 2),
                    "[ERROR] Error during read_image {pic}\n"},
                   {"cut in the header", Head(png, 20), "[ERROR] init_io failure {pic}\n"}});
}

} // namespace
