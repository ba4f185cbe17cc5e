// A decoded PNG file, for checking screenshots pixel by pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba; // top row first

    bool empty() const { return width == 0; }
    // y counts from the top, as on screen.
    Rgba At(int x, int y) const;
    // y counts from the bottom, as in OpenGL window coordinates.
    Rgba AtGl(int x, int y) const { return At(x, height - 1 - y); }
};

PngImage ReadPng(const std::string& path);
