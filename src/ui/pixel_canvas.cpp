#include "ui/pixel_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {

namespace {

uint8_t clampByte(float v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

float segmentDistance(float px, float py, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0 ? ((px - x0) * dx + (py - y0) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.f, 1.f);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

bool insidePolygon(const std::vector<std::pair<float, float>>& points, float x, float y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const auto [xi, yi] = points[i];
        const auto [xj, yj] = points[j];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

} // namespace

Colour Colour::shade(float f) const {
    return {clampByte(r * f), clampByte(g * f), clampByte(b * f), a};
}

PixelCanvas::PixelCanvas(int size)
    : size_(size), pixels_(static_cast<size_t>(size) * size * 4, 0) {}

Colour PixelCanvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_ || y >= size_) return {0, 0, 0, 0};
    const uint8_t* p = &pixels_[(static_cast<size_t>(y) * size_ + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void PixelCanvas::blend(int x, int y, Colour c, float coverage) {
    if (x < 0 || y < 0 || x >= size_ || y >= size_ || coverage <= 0) return;
    uint8_t* p = &pixels_[(static_cast<size_t>(y) * size_ + x) * 4];
    const float srcA = c.a / 255.f * std::min(coverage, 1.f);
    const float dstA = p[3] / 255.f;
    const float outA = srcA + dstA * (1 - srcA);
    if (outA <= 0) return;
    const auto mix = [&](uint8_t src, uint8_t dst) {
        return clampByte((src * srcA + dst * dstA * (1 - srcA)) / outA);
    };
    p[0] = mix(c.r, p[0]);
    p[1] = mix(c.g, p[1]);
    p[2] = mix(c.b, p[2]);
    p[3] = clampByte(outA * 255);
}

void PixelCanvas::fill(int x0, int y0, int x1, int y1, Colour c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            blend(x, y, c);
}

void PixelCanvas::frame(int x0, int y0, int x1, int y1, Colour c) {
    fill(x0, y0, x1, y0, c);
    fill(x0, y1, x1, y1, c);
    fill(x0, y0 + 1, x0, y1 - 1, c);
    fill(x1, y0 + 1, x1, y1 - 1, c);
}

void PixelCanvas::gradient(int x0, int y0, int x1, int y1, Colour top, Colour bottom) {
    for (int y = y0; y <= y1; ++y) {
        const float t = y1 > y0 ? float(y - y0) / (y1 - y0) : 0;
        const Colour c{
            clampByte(top.r + (bottom.r - top.r) * t), clampByte(top.g + (bottom.g - top.g) * t),
            clampByte(top.b + (bottom.b - top.b) * t), clampByte(top.a + (bottom.a - top.a) * t)};
        fill(x0, y, x1, y, c);
    }
}

template <typename Distance, typename Apply>
void PixelCanvas::cover(float x0, float y0, float x1, float y1, Distance distance, Apply apply) {
    const int left = std::max(0, static_cast<int>(std::floor(x0 - 1)));
    const int top = std::max(0, static_cast<int>(std::floor(y0 - 1)));
    const int right = std::min(size_ - 1, static_cast<int>(std::ceil(x1 + 1)));
    const int bottom = std::min(size_ - 1, static_cast<int>(std::ceil(y1 + 1)));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const float coverage = std::clamp(0.5f - distance(x + 0.5f, y + 0.5f), 0.f, 1.f);
            if (coverage > 0) apply(x, y, coverage);
        }
}

template <typename Distance>
void PixelCanvas::shape(float x0, float y0, float x1, float y1, Colour c, Distance distance) {
    cover(x0, y0, x1, y1, distance,
          [&](int x, int y, float coverage) { blend(x, y, c, coverage); });
}

namespace {

// Signed distance to an ellipse, to first order (exact for circles).
float ellipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
    const float nx = (x - cx) / rx, ny = (y - cy) / ry;
    const float f = std::hypot(nx, ny);
    if (f == 0) return -std::min(rx, ry);
    const float gradient = std::hypot(nx / rx, ny / ry) / f;
    return (f - 1) / gradient;
}

} // namespace

void PixelCanvas::disc(float cx, float cy, float r, Colour c) {
    shape(cx - r, cy - r, cx + r, cy + r, c,
          [&](float x, float y) { return std::hypot(x - cx, y - cy) - r; });
}

void PixelCanvas::ellipse(float cx, float cy, float rx, float ry, Colour c) {
    shape(cx - rx, cy - ry, cx + rx, cy + ry, c,
          [&](float x, float y) { return ellipseDistance(x, y, cx, cy, rx, ry); });
}

void PixelCanvas::ellipseRing(float cx, float cy, float rx, float ry, float width, Colour c) {
    shape(cx - rx - width, cy - ry - width, cx + rx + width, cy + ry + width, c,
          [&](float x, float y) {
              return std::fabs(ellipseDistance(x, y, cx, cy, rx, ry)) - width / 2;
          });
}

void PixelCanvas::erase(float cx, float cy, float rx, float ry) {
    cover(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [&](float x, float y) { return ellipseDistance(x, y, cx, cy, rx, ry); },
        [&](int x, int y, float coverage) {
            uint8_t& alpha = pixels_[(static_cast<size_t>(y) * size_ + x) * 4 + 3];
            alpha = clampByte(alpha * (1 - coverage));
        });
}

void PixelCanvas::ring(float cx, float cy, float r, float width, Colour c) {
    const float outer = r + width / 2;
    shape(cx - outer, cy - outer, cx + outer, cy + outer, c,
          [&](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - width / 2; });
}

void PixelCanvas::arc(float cx, float cy, float r, float width, float a0, float a1, Colour c) {
    const float outer = r + width / 2;
    const float end0x = cx + r * std::cos(a0), end0y = cy + r * std::sin(a0);
    const float end1x = cx + r * std::cos(a1), end1y = cy + r * std::sin(a1);
    shape(cx - outer, cy - outer, cx + outer, cy + outer, c, [&](float x, float y) {
        float angle = std::atan2(y - cy, x - cx);
        while (angle < a0)
            angle += 2 * std::numbers::pi_v<float>;
        if (angle <= a1) return std::fabs(std::hypot(x - cx, y - cy) - r) - width / 2;
        // Outside the sweep: round caps at both ends.
        return std::min(std::hypot(x - end0x, y - end0y), std::hypot(x - end1x, y - end1y)) -
               width / 2;
    });
}

void PixelCanvas::line(float x0, float y0, float x1, float y1, float width, Colour c) {
    shape(std::min(x0, x1) - width, std::min(y0, y1) - width, std::max(x0, x1) + width,
          std::max(y0, y1) + width, c,
          [&](float x, float y) { return segmentDistance(x, y, x0, y0, x1, y1) - width / 2; });
}

void PixelCanvas::polygon(std::initializer_list<std::pair<float, float>> points, Colour c) {
    polygon(std::vector<std::pair<float, float>>(points), c);
}

void PixelCanvas::polygon(const std::vector<std::pair<float, float>>& points, Colour c) {
    if (points.size() < 3) return;
    // Coverage from 4x4 samples per pixel.
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    hits += insidePolygon(points, x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
            if (hits) blend(x, y, c, hits / 16.f);
        }
}

void PixelCanvas::sphere(float cx, float cy, float r, Colour base, float highlight,
                         float sharpness) {
    // Light from the upper left, towards the viewer.
    const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
    shape(cx - r, cy - r, cx + r, cy + r, base,
          [&](float x, float y) { return std::hypot(x - cx, y - cy) - r; });
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x) {
            const float nx = (x + 0.5f - cx) / r, ny = (y + 0.5f - cy) / r;
            const float d2 = nx * nx + ny * ny;
            if (d2 >= 1) continue;
            const float nz = std::sqrt(1 - d2);
            const float diffuse = std::max(0.f, nx * lx + ny * ly + nz * lz);
            // Half-vector between the light and the viewer (0, 0, 1).
            const float hx = lx, hy = ly, hz = lz + 1;
            const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
            const float shine =
                std::pow(std::max(0.f, (nx * hx + ny * hy + nz * hz) / hl), sharpness) * highlight;
            const Colour lit = base.shade(0.35f + 0.85f * diffuse);
            const Colour c{clampByte(lit.r + shine * 255), clampByte(lit.g + shine * 255),
                           clampByte(lit.b + shine * 255), 255};
            const float edge =
                std::clamp(r - std::hypot(x + 0.5f - cx, y + 0.5f - cy) + 0.5f, 0.f, 1.f);
            uint8_t* p = &pixels_[(static_cast<size_t>(y) * size_ + x) * 4];
            const float keep = 1 - edge;
            p[0] = clampByte(p[0] * keep + c.r * edge);
            p[1] = clampByte(p[1] * keep + c.g * edge);
            p[2] = clampByte(p[2] * keep + c.b * edge);
        }
}

void PixelCanvas::arrowHead(float x0, float y0, float x1, float y1, float halfWidth, Colour c) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float length = std::hypot(dx, dy);
    if (length <= 0) return;
    const float px = -dy / length * halfWidth, py = dx / length * halfWidth;
    polygon({{x1, y1}, {x0 + px, y0 + py}, {x0 - px, y0 - py}}, c);
}

void PixelCanvas::art(int x, int y, std::initializer_list<const char*> rows,
                      std::initializer_list<std::pair<char, Colour>> palette) {
    int row = 0;
    for (const char* text : rows) {
        for (int col = 0; text[col]; ++col)
            for (const auto& [key, colour] : palette)
                if (key == text[col]) blend(x + col, y + row, colour);
        ++row;
    }
}

} // namespace ui
