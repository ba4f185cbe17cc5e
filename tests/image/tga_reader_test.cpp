// The TGA reader: row 0 is the picture's top row, whichever corner the file starts from.
#include <gtest/gtest.h>

#include "reader_checks.h"

using namespace picture_bytes;

namespace {

constexpr uint8_t kRightToLeft = 0x10;
constexpr uint8_t kTopFirst = 0x20;

// A 3 x 2 picture, top row first: red, green, blue over white, grey, black.
const Bytes kTopRows = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 128, 128, 128, 0, 0, 0};

// The picture's pixels blue first, its rows and pixels in the order the descriptor gives.
Bytes Stored(uint8_t descriptor) {
    Bytes rows = descriptor & kTopFirst ? kTopRows : FlipRows(kTopRows, 9);
    for (size_t i = 0; i < rows.size(); i += 3)
        std::swap(rows[i], rows[i + 2]);
    if (descriptor & kRightToLeft) {
        for (size_t row = 0; row < rows.size(); row += 9)
            std::swap_ranges(&rows[row], &rows[row + 3], &rows[row + 6]);
    }
    return rows;
}

TEST(TgaReader, GivesExactPixels) {
    ExpectPixels(
        DecodeTgaPicture,
        {// A run of 2, then a run of 5 of which one pixel fits.
         {"runs cut at the last pixel",
          Tga({.type = 10, .width = 3, .pixel_bits = 32}, {0x81, 1, 2, 3, 4, 0x84, 5, 6, 7, 8}),
          {3, 1, 4},
          {3, 2, 1, 4, 3, 2, 1, 4, 7, 6, 5, 8}},
         {"true colour skips its colour map",
          Tga({.type = 2, .width = 2, .map_entry_bits = 24}, {1, 2, 3, 4, 5, 6},
              {9, 9, 9, 9, 9, 9}),
          {2, 1, 3},
          {3, 2, 1, 6, 5, 4}},
         // Indices 2 and 3 are the map's two entries; index 0 has none.
         {"colour map from index 2",
          Tga({.type = 1, .width = 3, .pixel_bits = 8, .map_entry_bits = 24, .first_entry = 2},
              {3, 2, 0}, {10, 20, 30, 40, 50, 60}),
          {3, 1, 3},
          {60, 50, 40, 30, 20, 10, 0, 0, 0}},
         {"run-length colour map from index 200",
          Tga({.type = 9, .width = 3, .pixel_bits = 8, .map_entry_bits = 32, .first_entry = 200},
              {0x81, 201, 0x00, 200}, {1, 2, 3, 4, 5, 6, 7, 8}),
          {3, 1, 4},
          {7, 6, 5, 8, 7, 6, 5, 8, 3, 2, 1, 4}}});
}

// Every corner the file may start from gives the same picture, top row first.
TEST(TgaReader, DescriptorOriginPutsTheTopRowFirst) {
    const std::pair<const char*, uint8_t> origins[] = {{"bottom left", 0},
                                                       {"bottom right", kRightToLeft},
                                                       {"top left", kTopFirst},
                                                       {"top right", kTopFirst | kRightToLeft}};
    std::vector<PixelCase> cases;
    for (const auto& [name, descriptor] : origins) {
        cases.push_back({name,
                         Tga({.type = 2, .width = 3, .height = 2, .descriptor = descriptor},
                             Stored(descriptor)),
                         {3, 2, 3},
                         kTopRows});
    }
    cases.push_back(
        {"top right, run-length",
         Tga({.type = 10, .width = 3, .height = 2, .descriptor = 0x30}, TgaRle(Stored(0x30), 3)), 3,
         2, 3, kTopRows});
    ExpectPixels(DecodeTgaPicture, cases);
}

TEST(TgaReader, MatchesStbImage) {
    std::vector<StbCase> cases;
    // Every file has an id to skip.
    for (uint8_t depth : {3, 4}) {
        for (uint8_t type : {1, 2, 9, 10}) {
            const bool mapped = type == 1 || type == 9;
            const Bytes pixels = mapped ? Pattern(67, 23, 1) : Pattern(67, 23, depth);
            const TgaHeader header = {.type = type,
                                      .width = 67,
                                      .height = 23,
                                      .pixel_bits = uint8_t(mapped ? 8 : depth * 8),
                                      .map_entry_bits = uint8_t(depth * 8),
                                      .id_length = 5};
            cases.push_back({"type " + std::to_string(type) + " at " + std::to_string(depth * 8),
                             Tga(header, type > 8 ? TgaRle(pixels, mapped ? 1 : depth) : pixels,
                                 mapped ? Colours(256, depth) : Bytes{}),
                             depth});
        }
    }
    ExpectSameAsStb(DecodeTgaPicture, cases, false);
}

TEST(TgaReader, RefusesWithItsMessages) {
    auto of_type = [](uint8_t type) { return Tga({.type = type}, {1, 2, 3}); };
    ExpectRefused(
        DecodeTgaPicture, Channel::kStdout,
        {{"type 0", of_type(0), "[ERROR] The file pic contains no image data\n"},
         {"type 33", of_type(33),
          "[ERROR] The file pic contains compressed color map data which is un-supported (4pass "
          "quad tree process)\n"},
         {"type 7", of_type(7), "[ERROR] The file pic does not appear to be valid\n"},
         {"65535 x 65535 from 4 bytes",
          Tga({.type = 10, .width = 0xFFFF, .height = 0xFFFF, .pixel_bits = 32},
              {0xFF, 1, 2, 3, 4})},
         {"colour map of 65535 entries in a few bytes",
          With(Tga({.type = 9, .width = 16, .height = 16, .pixel_bits = 8, .map_entry_bits = 32},
                   {0x80, 0}, {1, 2, 3, 4}),
               5, {0xFF, 0xFF})},
         {"16-bit pixels", Tga({.type = 2, .pixel_bits = 16}, {1, 2})},
         {"16-bit colour map",
          Tga({.type = 1, .pixel_bits = 8, .map_entry_bits = 16}, {0}, {1, 2})},
         {"16-bit indices",
          Tga({.type = 1, .pixel_bits = 16, .map_entry_bits = 24}, {0, 0}, {1, 2, 3})}});
}

} // namespace
