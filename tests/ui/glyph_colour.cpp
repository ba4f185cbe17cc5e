#include "glyph_colour.h"

#include <algorithm>
#include <cmath>

Rgba unitColour(float r, float g, float b) {
    const auto channel = [](float value) { return static_cast<uint8_t>(value * 255 + 0.5f); };
    return {channel(r), channel(g), channel(b), 255};
}

Rgba darkestPixel(int x0, int y0, int x1, int y1, const std::function<Rgba(int, int)>& at) {
    Rgba darkest{255, 255, 255, 255};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgba pixel = at(x, y);
            if (pixel.r + pixel.g + pixel.b < darkest.r + darkest.g + darkest.b) darkest = pixel;
        }
    return darkest;
}

bool isShadeOf(const Rgba& ink, const Rgba& colour) {
    const int inkChannels[3] = {ink.r, ink.g, ink.b};
    const int colourChannels[3] = {colour.r, colour.g, colour.b};
    // The coverage shows best in the channel furthest from white.
    const int* deepest = std::min_element(colourChannels, colourChannels + 3);
    const double coverage = (255.0 - inkChannels[deepest - colourChannels]) / (255.0 - *deepest);
    if (coverage < 0.5) return false;
    for (int c = 0; c < 3; ++c)
        if (std::abs(255 - coverage * (255 - colourChannels[c]) - inkChannels[c]) > 5) return false;
    return true;
}
