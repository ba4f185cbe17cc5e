// The BMP reader: rows kept in file order (bottom first), blue-first pixels turned around.
#include <gtest/gtest.h>

#include "reader_checks.h"

using namespace picture_bytes;

namespace {

// 256 palette entries as the file stores them: blue, green, red, reserved.
Bytes Palette(uint8_t (*red)(int), uint8_t (*green)(int), uint8_t (*blue)(int)) {
    Bytes palette;
    for (int i = 0; i < 256; ++i)
        palette.insert(palette.end(), {blue(i), green(i), red(i), 0});
    return palette;
}
uint8_t Ramp(int i) {
    return uint8_t(i);
}
uint8_t Zero(int) {
    return 0;
}

TEST(BmpReader, GivesExactPixels) {
    ExpectPixels(DecodeBmpPicture,
                 {{"32 bits, alpha from the fourth bytes",
                   Bmp(2, 1, 32, {10, 20, 30, 0, 40, 50, 60, 128}),
                   {2, 1, 4},
                   {30, 20, 10, 0, 60, 50, 40, 128}},
                  // The fourth byte is reserved in most files: all zero means opaque.
                  {"32 bits, fourth bytes all zero",
                   Bmp(2, 1, 32, {10, 20, 30, 0, 40, 50, 60, 0}),
                   {2, 1, 4},
                   {30, 20, 10, 255, 60, 50, 40, 255}},
                  {"grey palette gives the indices",
                   Bmp(3, 2, 8, {0, 7, 200, 255, 1, 2}, Palette(Ramp, Ramp, Ramp)),
                   {3, 2, 1},
                   {0, 7, 200, 255, 1, 2}},
                  {"red ramp is not grey",
                   Bmp(2, 1, 8, {3, 200}, Palette(Ramp, Zero, Zero)),
                   {2, 1, 3},
                   {3, 0, 0, 200, 0, 0}},
                  {"green ramp is not grey",
                   Bmp(2, 1, 8, {3, 200}, Palette(Zero, Ramp, Zero)),
                   {2, 1, 3},
                   {0, 3, 0, 0, 200, 0}},
                  // Two palette entries and rows stored top first: row 0 is still the bottom.
                  {"top-down rows",
                   Bmp(2, -2, 8, {0, 1, 1, 1}, {0, 0, 255, 0, 255, 0, 0, 0}, 2),
                   {2, 2, 3},
                   {0, 0, 255, 0, 0, 255, 255, 0, 0, 0, 0, 255}}});
}

TEST(BmpReader, MatchesStbImage) {
    std::vector<StbCase> cases;
    // Widths 1 to 3 give every amount of row padding.
    for (uint16_t width : {1, 2, 3, 97}) {
        cases.push_back({"24 bits, " + std::to_string(width) + " wide",
                         Bmp(width, 33, 24, Pattern(width, 33, 3)), 3});
    }
    cases.push_back({"colour palette", Bmp(5, 4, 8, Pattern(5, 4, 1), Colours(256, 4)), 3});
    ExpectSameAsStb(DecodeBmpPicture, cases, true);
}

TEST(BmpReader, RefusesWithItsMessages) {
    const Bytes bmp = Bmp(4, 4, 24, Pattern(4, 4, 3));
    std::vector<RefusalCase> cases = {
        {"not BM", With(bmp, 0, {'X'}), ""},
        {"compressed", With(bmp, 30, {1}),
         "[ERROR] This bitmap loader does not support compressed files (yet)\n"},
        {"short header", With(bmp, 14, {12}),
         "[ERROR] bitmap loader does not support this bitmap header\n"},
        {"16 bits", Bmp(2, 1, 16, {1, 2, 3, 4}),
         "[ERROR] bitmap loader does not support this bit depth\n"},
        {"last row short", Head(bmp, bmp.size() - 2), "[ERROR] The file pic is truncated\n"},
    };
    for (auto [width, height] :
         {std::pair<uint32_t, uint32_t>{0xFFFFFFFF, 1}, {0, 5}, {1, 0x80000000}}) {
        cases.push_back({"size " + std::to_string(width) + " x " + std::to_string(height),
                         With(bmp, 18, Le({{width, 4}, {height, 4}}))});
    }
    ExpectRefused(DecodeBmpPicture, Channel::kStdout, cases);
}

} // namespace
