// The PCX reader: run-length scan lines, top row first in the file and last in the record.
#include <gtest/gtest.h>

#include "reader_checks.h"

using namespace picture_bytes;

namespace {

TEST(PcxReader, GivesExactPixels) {
    // Lines of 4 bytes for 3 pixels, the top one first: an empty run of 9, then a run of 6
    // fives cut after 4 at the line end; then raw bytes.
    const Bytes runs = Cat(Head(Pcx(3, 2, 1, 4, Bytes(8, 0)), 128), {192, 9, 198, 5, 1, 2, 3, 4});
    ExpectPixels(DecodePcxPicture, {{"3 planes interleaved",
                                     Pcx(2, 2, 3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
                                     {2, 2, 3},
                                     {7, 9, 11, 8, 10, 12, 1, 3, 5, 2, 4, 6}},
                                    {"colour palette",
                                     Pcx(2, 2, 1, 2, {0, 1, 2, 3}, Colours(256)),
                                     {2, 2, 3},
                                     {3, 10, 253, 4, 15, 252, 1, 0, 255, 2, 5, 254}},
                                    {"grey palette gives the indices",
                                     Pcx(2, 2, 1, 2, {0, 1, 2, 3}, Greys(256)),
                                     {2, 2, 1},
                                     {2, 3, 0, 1}},
                                    {"empty and cut runs", runs, {3, 2, 1}, {1, 2, 3, 5, 5, 5}}});
}

TEST(PcxReader, RefusesWithItsMessages) {
    const Bytes pcx = Pcx(16, 16, 3, 16, Pattern(48, 16, 1));
    // Valid files of 1-bit samples: 16 pixels take 2 bytes a plane.
    const Bytes mono = With(Pcx(16, 2, 1, 2, {0xF0, 0x0F, 0xAA, 0x55}), 3, {1});
    const Bytes sixteen_colours = With(Pcx(16, 1, 4, 2, {1, 2, 3, 4, 5, 6, 7, 8}), 3, {1});
    ExpectRefused(
        DecodePcxPicture, Channel::kStdout,
        {{"not a PCX file", With(pcx, 0, {11}), "[ERROR] pic is not a pcx file!!\n"},
         {"version 3", With(pcx, 1, {3}),
          "[ERROR] Only version 5 of the pcx file format is supported....\n"},
         {"1 bit, 1 plane", mono,
          "[ERROR] The file pic has 1-bit samples; only 8-bit samples are supported\n"},
         {"1 bit, 4 planes", sixteen_colours,
          "[ERROR] The file pic has 1-bit samples; only 8-bit samples are supported\n"},
         {"4 bits", With(pcx, 3, {4}),
          "[ERROR] The file pic has 4-bit samples; only 8-bit samples are supported\n"},
         {"lines shorter than the width", With(pcx, 66, {8, 0}),
          "[ERROR] The file pic has an invalid pcx header\n"},
         {"no planes", With(pcx, 65, {0}), "[ERROR] The file pic has an invalid pcx header\n"},
         {"more planes than the data holds", With(pcx, 65, {255})},
         {"xmax far out", With(pcx, 8, {0xff, 0xff})},
         {"xmin beyond xmax", With(pcx, 4, {20, 0})}});
}

} // namespace
