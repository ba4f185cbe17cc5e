// A small RGBA painter the icon artwork is drawn with: rectangles, smooth
// discs, rings, thick lines, polygons and shaded spheres, blended over what
// is already there. No GL.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ui {

struct Colour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    Colour withAlpha(uint8_t alpha) const { return {r, g, b, alpha}; }
    // Each channel scaled by `f` (above 1 lightens), clamped.
    Colour shade(float f) const;
};

class PixelCanvas {
  public:
    explicit PixelCanvas(int size);

    int size() const { return size_; }
    // RGBA, top row first.
    const std::vector<uint8_t>& pixels() const { return pixels_; }
    Colour at(int x, int y) const;

    // Blends `c` over pixel (x, y) with coverage 0..1; outside pixels are ignored.
    void blend(int x, int y, Colour c, float coverage = 1.0f);

    // Inclusive pixel rectangles.
    void fill(int x0, int y0, int x1, int y1, Colour c);
    void frame(int x0, int y0, int x1, int y1, Colour c);
    // Top-to-bottom blend from `top` to `bottom`.
    void gradient(int x0, int y0, int x1, int y1, Colour top, Colour bottom);

    // Shapes in continuous coordinates (pixel centres at x + 0.5), edges smoothed.
    void disc(float cx, float cy, float r, Colour c);
    void ellipse(float cx, float cy, float rx, float ry, Colour c);
    void ring(float cx, float cy, float r, float width, Colour c);
    void ellipseRing(float cx, float cy, float rx, float ry, float width, Colour c);
    // Makes an elliptical area transparent again (holes in rings and discs).
    void erase(float cx, float cy, float rx, float ry);
    // An arc of a ring from angle a0 to a1 (radians, 0 = right, growing clockwise on screen).
    void arc(float cx, float cy, float r, float width, float a0, float a1, Colour c);
    void line(float x0, float y0, float x1, float y1, float width, Colour c);
    void polygon(std::initializer_list<std::pair<float, float>> points, Colour c);
    void polygon(const std::vector<std::pair<float, float>>& points, Colour c);
    // A lit sphere: `base` shaded from a light at the upper left, with a
    // highlight of strength 0..1 and sharpness (higher is smaller).
    void sphere(float cx, float cy, float r, Colour base, float highlight, float sharpness);
    // A filled arrow head pointing from (x0, y0) towards the tip (x1, y1).
    void arrowHead(float x0, float y0, float x1, float y1, float halfWidth, Colour c);

    // Stamps ASCII art: one string per row, each character looked up in
    // `palette` (pairs of character and colour); unknown characters are blank.
    void art(int x, int y, std::initializer_list<const char*> rows,
             std::initializer_list<std::pair<char, Colour>> palette);

  private:
    // Smoothed coverage for a shape given by its signed distance (negative inside).
    template <typename Distance>
    void shape(float x0, float y0, float x1, float y1, Colour c, Distance distance);
    // Per-pixel coverage of a shape given by its signed distance.
    template <typename Distance, typename Apply>
    void cover(float x0, float y0, float x1, float y1, Distance distance, Apply apply);

    int size_;
    std::vector<uint8_t> pixels_;
};

} // namespace ui
