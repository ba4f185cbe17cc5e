// Small AVI files for the video tests, written byte by byte.
#pragma once

#include <cstdint>
#include <string>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

// Frame `frame` of the test pattern: the top half of the picture in one
// colour, the bottom half in another, both different for every frame.
Rgb TopColour(int frame);
Rgb BottomColour(int frame);

// Compares three bytes r, g, b with the expected colour.
void ExpectColour(Rgb expected, const uint8_t* rgb, int tolerance = 1);

// An uncompressed 24-bit AVI (bottom-up BGR rows, with an index) of the test
// pattern. frameCount 0 gives a well-formed file with an empty video stream.
std::string MakeUncompressedAvi(int width, int height, int frameCount, int framesPerSecond);
