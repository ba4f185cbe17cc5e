// A decoded picture as every part of the system holds it.
#pragma once

#include <cstdint>
#include <vector>

// Rows follow each other without padding; components are red, green, blue, alpha.
// Component c of pixel (x, y) is pixels[((width * y) + x) * depth + c]. Row 0 is drawn at
// the bottom by glDrawPixels; which row of the file becomes row 0 is each reader's rule.
struct ImageRecord {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t depth = 0; // bytes per pixel: 1 intensity or alpha, 3 RGB, 4 RGBA
    std::vector<uint8_t> pixels;
};
