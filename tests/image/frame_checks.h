// Checks of pixels in the frames the runner saves.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/png_image.h"

// Within 3 of the colour in each component.
inline testing::AssertionResult ColourNear(const Rgba& c, int r, int g, int b) {
    if (std::abs(c.r - r) <= 3 && std::abs(c.g - g) <= 3 && std::abs(c.b - b) <= 3) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "pixel is " << int(c.r) << ", " << int(c.g) << ", " << int(c.b);
}

// How many of steps pixels from (x0, y0) on, dx and dy apart, match.
inline int CountMatching(const PngImage& shot, int x0, int y0, int dx, int dy, int steps,
                         bool (*match)(const Rgba&)) {
    int count = 0;
    for (int i = 0; i < steps; ++i)
        count += match(shot.AtGl(x0 + i * dx, y0 + i * dy)) ? 1 : 0;
    return count;
}
