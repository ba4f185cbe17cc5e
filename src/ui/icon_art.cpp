// The icon artwork. The small toolbar and title-bar icons are pixel art;
// the larger ones are drawn with the canvas shapes.
#include "ui/icon_art.h"

#include "ui/icons.h"

#include <cmath>
#include <numbers>

namespace ui {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// ---- Palette --------------------------------------------------------------

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kPaper{252, 252, 246};
constexpr Colour kGrey{128, 128, 128};
constexpr Colour kDarkGrey{72, 72, 72};
constexpr Colour kLightGrey{196, 196, 196};
constexpr Colour kSilver{222, 222, 226};
constexpr Colour kBlue{36, 84, 196};
constexpr Colour kNavy{20, 40, 110};
constexpr Colour kSky{150, 200, 250};
constexpr Colour kYellow{255, 222, 110};
constexpr Colour kGold{228, 170, 40};
constexpr Colour kBrown{150, 100, 45};
constexpr Colour kRed{210, 40, 40};
constexpr Colour kGreen{40, 160, 60};
constexpr Colour kLime{120, 210, 90};
constexpr Colour kOrange{240, 140, 30};
constexpr Colour kTeal{40, 150, 160};
constexpr Colour kPurple{130, 70, 170};
constexpr Colour kOutline{40, 40, 40};

// ---- 16x16 pixel art for the layered icons (at most five colours) --------

void drawLayered(PixelCanvas& c, int id) {
    const std::pair<char, Colour> k{'k', kBlack}, w{'w', kWhite}, g{'g', kGrey}, G{'G', kDarkGrey},
        l{'l', kLightGrey}, b{'b', kBlue}, s{'s', kSky}, y{'y', kYellow}, Y{'Y', kGold},
        r{'r', kRed}, n{'n', kGreen}, o{'o', kBrown};
    switch (id) {
    case ICON_CLOSE:
        c.art(0, 0,
              {"................", "................", "................", "...kk......kk...",
               "....kk....kk....", ".....kk..kk.....", "......kkkk......", ".......kk.......",
               "......kkkk......", ".....kk..kk.....", "....kk....kk....", "...kk......kk...",
               "................", "................", "................", "................"},
              {k});
        break;
    case ICON_MAXIMISE:
        c.art(0, 0,
              {"................", "................", "................", "...kkkkkkkkkk...",
               "...kkkkkkkkkk...", "...k........k...", "...k........k...", "...k........k...",
               "...k........k...", "...k........k...", "...k........k...", "...k........k...",
               "...kkkkkkkkkk...", "................", "................", "................"},
              {k});
        break;
    case ICON_RESTORE:
        c.art(0, 0,
              {"................", "................", "................", ".....kkkkkkkk...",
               ".....kkkkkkkk...", ".....k......k...", "...kkkkkkkk.k...", "...kkkkkkkk.k...",
               "...k......kkk...", "...k......k.....", "...k......k.....", "...k......k.....",
               "...kkkkkkkk.....", "................", "................", "................"},
              {k});
        break;
    case ICON_MINIMISE:
        c.art(0, 0,
              {"................", "................", "................", "................",
               "................", "................", "................", "................",
               "................", "................", "...kkkkkkkk.....", "...kkkkkkkk.....",
               "................", "................", "................", "................"},
              {k});
        break;
    case ICON_CUT:
        c.art(0, 0,
              {"................", "...G.......G....", "...G.......G....", "...GG.....GG....",
               "....G.....G.....", "....GG...GG.....", ".....G...G......", ".....GG.GG......",
               "......GkG.......", ".....rr.rr......", "...rrrr.rrrr....", "..rr..r.r..rr...",
               "..r...r.r...r...", "..rr.rr..rr.rr..", "...rrr....rrr...", "................"},
              {G, k, r});
        break;
    case ICON_SAVE:
        c.art(0, 0,
              {"................", ".kkkkkkkkkkkkkk.", ".kbbwwwwwwwwbbk.", ".kbbwggggggwbbk.",
               ".kbbwwwwwwwwbbk.", ".kbbwggggggwbbk.", ".kbbwwwwwwwwbbk.", ".kbbbbbbbbbbbbk.",
               ".kbbbbbbbbbbbbk.", ".kbbbllllllbbbk.", ".kbbbllGGllbbbk.", ".kbbbllGGllbbbk.",
               ".kbbbllGGllbbbk.", ".kbbbllllllbbbk.", ".kkkkkkkkkkkkkk.", "................"},
              {k, b, w, l, G});
        break;
    case ICON_SAVEALL:
        c.art(0, 0,
              {"kkkkkkkkkkk.....", "kbwwwwwwwbk.....", "kbwwwwwwwbk.....", "kbbbbkkkkkkkkkkk",
               "kbbbbkbwwwwwwwbk", "kblGlkbwwwwwwwbk", "kblGlkbwwwwwwwbk", "kbbbbkbbbbbbbbbk",
               "kkkkkkbbbbbbbbbk", ".....kbbllllllbk", ".....kbbllGGllbk", ".....kbbllGGllbk",
               ".....kbbllllllbk", ".....kkkkkkkkkkk", "................", "................"},
              {k, b, w, l, G});
        break;
    case ICON_OPEN:
        c.art(0, 0,
              {"................", "................", ".kkkk...........", "kyyyyk..........",
               "kyyyyykkkkkkk...", "kyyyyyyyyyyyk...", "kyyyyyyyyyyyk...", "kyykkkkkkkkkkkkk",
               "kyykYYYYYYYYYYYk", "kykYYYYYYYYYYYk.", "kykYYYYYYYYYYYk.", "kkYYYYYYYYYYYk..",
               "kkYYYYYYYYYYYk..", "kkkkkkkkkkkkk...", "................", "................"},
              {k, y, Y});
        break;
    case ICON_NEW:
        c.art(0, 0,
              {"................", "..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwklk....",
               "..kwwwwwwkllk...", "..kwwwwwwkkkkk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
               "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
               "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..", "................"},
              {k, w, l});
        break;
    case ICON_PRINT:
        c.art(0, 0,
              {"................", "....kkkkkkkk....", "....kwwwwwwk....", "....kwllllwk....",
               "....kwwwwwwk....", "..kkkkkkkkkkkk..", ".kllllllllllllk.", ".kllllllllllnlk.",
               ".kllllllllllllk.", ".kGGGGGGGGGGGGk.", ".kGkkkkkkkkkkGk.", ".kGkwwwwwwwwkGk.",
               ".kkkwllllllwkkk.", "...kwwwwwwwwk...", "...kkkkkkkkkk...", "................"},
              {k, w, l, G, n});
        break;
    case ICON_PRINT_PREVIEW:
        c.art(0, 0,
              {"kkkkkkkkk.......", "kwwwwwwwkk......", "kwggggwwkwk.....", "kwwwwwwwkkkk....",
               "kwggggkkkkwk....", "kwwwwkssssskk...", "kwgggkssssssk...", "kwwwkswssssssk..",
               "kwggkssssssssk..", "kwwwkssssssssk..", "kwwwwkssssssk...", "kkkkkkkssssskG..",
               ".......kkkkkGGG.", "............GGG.", ".............GG.", "................"},
              {k, w, g, s, G});
        break;
    case ICON_FULLSCREEN:
        c.art(0, 0,
              {"................", ".kkkkkkkkkkkkkk.", ".kbbbbbbbbbbbbk.", ".kbwwwbbbbwwwbk.",
               ".kbwwbbbbbbwwbk.", ".kbwbwbbbbwbwbk.", ".kbbbbwbbwbbbbk.", ".kbbbbbbbbbbbbk.",
               ".kbbbbwbbwbbbbk.", ".kbwbwbbbbwbwbk.", ".kbwwbbbbbbwwbk.", ".kbwwwbbbbwwwbk.",
               ".kbbbbbbbbbbbbk.", ".kkkkkkkkkkkkkk.", ".....kkkkkk.....", "................"},
              {k, b, w});
        break;
    case ICON_CHECKBOX0:
    case ICON_CHECKBOX1:
        c.art(0, 0,
              {"................", ".GGGGGGGGGGGGG..", ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..",
               ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..",
               ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..", ".Gwwwwwwwwwwwl..",
               ".Gwwwwwwwwwwwl..", ".Glllllllllllll.", "................", "................"},
              {G, w, l});
        if (id == ICON_CHECKBOX1)
            c.art(0, 0,
                  {"", "", "", "...........k", "..........kk", ".........kkk", "...k....kkk",
                   "...kk..kkk", "...kkkkkk", "....kkkk", ".....kk"},
                  {k});
        break;
    case ICON_COPY:
        c.art(0, 0,
              {"kkkkkkkk........", "kwwwwwwkk.......", "kwggggwkwk......", "kwwwwwwkkkk.....",
               "kwgggggwwwk.....", "kwwwwwkkkkkkkk..", "kwggggkwwwwwwkk.", "kwwwwwkwggggwkwk",
               "kwgggg.kwwwwwkkk", "kwwwwwkwgggggwwk", "kkkkkkkwwwwwwwwk", "......kwggggggwk",
               "......kwwwwwwwwk", "......kwggggggwk", "......kwwwwwwwwk", "......kkkkkkkkkk"},
              {k, w, g});
        break;
    case ICON_PASTE:
        c.art(0, 0,
              {"......kkkk......", "..kkkkkllkkkkk..", ".kookllllllkook.", ".kookkkkkkkkook.",
               ".koooooooooooook", ".kookkkkkkkkk...", ".kookwwwwwwwwk..", ".kookwggggggwk..",
               ".kookwwwwwwwwk..", ".kookwgggggwwk..", ".kookwwwwwwwwk..", ".kookwggggggwk..",
               ".kookwwwwwwwwk..", ".kkkkwgggwwwwk..", "....kwwwwwwwwk..", "....kkkkkkkkkk.."},
              {k, o, l, w, g});
        break;
    case ICON_TRASH_SMALL:
        c.art(0, 0,
              {"......kkkk......", "..kkkkkllkkkkk..", "..kllllllllllk..", "..kkkkkkkkkkkk..",
               "...klglglglgk...", "...klglglglgk...", "...klglglglgk...", "...klglglglgk...",
               "...klglglglgk...", "...klglglglgk...", "...klglglglgk...", "...klglglglgk...",
               "...klglglglgk...", "...klglglglgk...", "....kkkkkkkk....", "................"},
              {k, l, g});
        break;
    default:
        break;
    }
}

// ---- Shared pieces for the larger icons ------------------------------------

// A folder: back with a tab, then the front; (x, y) is its top-left, w x h its size.
void folder(PixelCanvas& c, float x, float y, float w, float h, Colour body) {
    const Colour back = body.shade(0.85f), edge = body.shade(0.55f);
    c.polygon({{x, y + 2},
               {x + w * 0.4f, y + 2},
               {x + w * 0.48f, y + h * 0.18f},
               {x + w, y + h * 0.18f},
               {x + w, y + h},
               {x, y + h}},
              edge);
    c.polygon({{x + 1, y + 3},
               {x + w * 0.4f - 0.5f, y + 3},
               {x + w * 0.48f - 0.5f, y + h * 0.18f + 1},
               {x + w - 1, y + h * 0.18f + 1},
               {x + w - 1, y + h - 1},
               {x + 1, y + h - 1}},
              back);
    c.polygon({{x, y + h * 0.32f}, {x + w, y + h * 0.32f}, {x + w, y + h}, {x, y + h}}, edge);
    c.gradient(static_cast<int>(x + 1), static_cast<int>(y + h * 0.32f + 1),
               static_cast<int>(x + w - 2), static_cast<int>(y + h - 2), body.shade(1.12f), body);
}

// A page with lines of text and a folded top-right corner.
void page(PixelCanvas& c, int x0, int y0, int x1, int y1, Colour lines) {
    const float fold = std::max(2, (x1 - x0) / 4);
    const float l = x0, t = y0, r = x1 + 1, b = y1 + 1;
    c.polygon({{l, t}, {r - fold, t}, {r, t + fold}, {r, b}, {l, b}}, kOutline);
    c.polygon({{l + 1, t + 1},
               {r - fold - 0.4f, t + 1},
               {r - 1, t + fold + 0.4f},
               {r - 1, b - 1},
               {l + 1, b - 1}},
              kPaper);
    c.polygon({{r - fold, t}, {r - fold, t + fold}, {r, t + fold}}, kLightGrey);
    for (int yy = y0 + static_cast<int>(fold) + 3; yy < y1 - 1; yy += 3)
        c.fill(x0 + 3, yy, x1 - 3, yy, lines);
}

void monitor(PixelCanvas& c, int x0, int y0, int x1, int y1, Colour screen) {
    c.fill(x0, y0, x1, y1, kOutline);
    c.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, kSilver);
    c.gradient(x0 + 3, y0 + 3, x1 - 3, y1 - 3, screen.shade(1.3f), screen);
    const int mid = (x0 + x1) / 2;
    c.fill(mid - 2, y1 + 1, mid + 2, y1 + 2, kGrey);
    c.fill(mid - 5, y1 + 3, mid + 5, y1 + 4, kDarkGrey);
}

void arrowLine(PixelCanvas& c, float x0, float y0, float x1, float y1, float width, Colour colour) {
    const float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const float head = width * 2.2f;
    const float bx = x1 - dx / len * head, by = y1 - dy / len * head;
    c.line(x0, y0, bx, by, width, colour);
    c.arrowHead(bx, by, x1, y1, width * 1.7f, colour);
}

// A curved arrow along a circle from a0 to a1 (clockwise when a1 > a0).
void curvedArrow(PixelCanvas& c, float cx, float cy, float r, float a0, float a1, float width,
                 Colour colour) {
    const bool clockwise = a1 > a0;
    const float lo = clockwise ? a0 : a1, hi = clockwise ? a1 : a0;
    const float headAngle = width * 2.2f / r;
    if (clockwise)
        c.arc(cx, cy, r, width, lo, hi - headAngle, colour);
    else
        c.arc(cx, cy, r, width, lo + headAngle, hi, colour);
    const float tipAngle = a1;
    const float baseAngle = clockwise ? a1 - headAngle : a1 + headAngle;
    const float tx = cx + r * std::cos(tipAngle), ty = cy + r * std::sin(tipAngle);
    const float bx = cx + r * std::cos(baseAngle), by = cy + r * std::sin(baseAngle);
    c.arrowHead(bx, by, tx, ty, width * 1.7f, colour);
}

// A small movie camera in the upper left of a 32x32 icon.
void camera(PixelCanvas& c, float x, float y, float scale) {
    c.disc(x + 6 * scale, y + 4 * scale, 3.6f * scale, kDarkGrey);
    c.disc(x + 6 * scale, y + 4 * scale, 1.2f * scale, kLightGrey);
    c.disc(x + 13 * scale, y + 4 * scale, 3.6f * scale, kDarkGrey);
    c.disc(x + 13 * scale, y + 4 * scale, 1.2f * scale, kLightGrey);
    c.polygon({{x + 2 * scale, y + 8 * scale},
               {x + 17 * scale, y + 8 * scale},
               {x + 17 * scale, y + 17 * scale},
               {x + 2 * scale, y + 17 * scale}},
              kOutline);
    c.polygon({{x + 3 * scale, y + 9 * scale},
               {x + 16 * scale, y + 9 * scale},
               {x + 16 * scale, y + 16 * scale},
               {x + 3 * scale, y + 16 * scale}},
              kGrey);
    c.polygon({{x + 17 * scale, y + 11 * scale},
               {x + 22 * scale, y + 8.5f * scale},
               {x + 22 * scale, y + 16.5f * scale},
               {x + 17 * scale, y + 14 * scale}},
              kOutline);
    c.disc(x + 6 * scale, y + 12.5f * scale, 1.3f * scale, kRed);
}

// The six shapes shared by the NURBS and polygon icons: smooth (NURBS, blue
// with isoparm lines) or faceted (polygons, grey-green with flat faces).
enum class Shape { Cone, Cube, Cylinder, Plane, Sphere, Torus, Quad };

void smoothShape(PixelCanvas& c, Shape shape) {
    const Colour base{70, 130, 220};
    const Colour iso = Colour{20, 50, 120, 200};
    switch (shape) {
    case Shape::Sphere:
        c.sphere(16, 16, 12, base, 0.6f, 20);
        for (float ry : {4.5f, 9.f})
            c.ellipseRing(16, 16, 12, ry, 1, iso);
        for (float rx : {4.5f, 9.f})
            c.ellipseRing(16, 16, rx, 12, 1, iso);
        c.line(4, 16, 28, 16, 1, iso);
        c.line(16, 4, 16, 28, 1, iso);
        break;
    case Shape::Cube:
        c.polygon({{5, 10}, {18, 10}, {26, 4}, {13, 4}}, base.shade(1.3f));
        c.polygon({{5, 10}, {18, 10}, {18, 27}, {5, 27}}, base);
        c.polygon({{18, 10}, {26, 4}, {26, 21}, {18, 27}}, base.shade(0.65f));
        c.line(5, 10, 18, 10, 1, iso);
        c.line(18, 10, 18, 27, 1, iso);
        c.line(18, 10, 26, 4, 1, iso);
        c.line(11.5f, 10, 11.5f, 27, 1, iso.withAlpha(110));
        c.line(5, 18.5f, 18, 18.5f, 1, iso.withAlpha(110));
        break;
    case Shape::Cylinder:
        c.fill(6, 8, 25, 25, base);
        for (int x = 6; x <= 25; ++x) {
            const float t = (x - 15.5f) / 10;
            c.fill(x, 8, x, 25, base.shade(1.25f - 0.6f * t * t - 0.25f * t));
        }
        c.ellipse(15.5f, 25, 10, 3.5f, base.shade(0.8f));
        c.ellipse(15.5f, 8, 10, 3.5f, base.shade(1.35f));
        c.ellipseRing(15.5f, 8, 10, 3.5f, 1, iso);
        c.line(6, 8, 6, 25, 1, iso);
        c.line(25, 8, 25, 25, 1, iso);
        c.line(15.5f, 11.5f, 15.5f, 28.5f, 1, iso.withAlpha(120));
        break;
    case Shape::Cone:
        c.polygon({{16, 3}, {27, 25}, {5, 25}}, base);
        for (int x = 5; x <= 27; ++x) {
            const float t = (x - 16) / 11.f;
            const float top = 3 + 22 * std::fabs(t);
            c.fill(x, static_cast<int>(top + 1), x, 25,
                   base.shade(1.25f - 0.55f * t * t - 0.25f * t));
        }
        c.ellipse(16, 25, 11, 3.5f, base.shade(0.9f));
        c.line(16, 3, 16, 28.5f, 1, iso.withAlpha(120));
        c.line(16, 3, 5, 25, 1, iso);
        c.line(16, 3, 27, 25, 1, iso);
        break;
    case Shape::Plane:
    case Shape::Quad:
        c.polygon({{2, 20}, {14, 10}, {30, 12}, {18, 24}}, base.shade(1.1f));
        for (int i = 1; i < 4; ++i) {
            const float t = i / 4.f;
            c.line(2 + 12 * t, 20 - 10 * t, 18 + 12 * t, 24 - 12 * t, 1, iso.withAlpha(140));
            c.line(2 + 16 * t, 20 + 4 * t, 14 + 16 * t, 10 + 2 * t, 1, iso.withAlpha(140));
        }
        break;
    case Shape::Torus:
        c.ellipse(16, 16, 14, 9, base.shade(0.8f));
        c.ellipse(16, 14.5f, 12, 7, base.shade(1.15f));
        c.ellipse(16, 16.5f, 6.5f, 3.5f, base.shade(0.55f));
        c.erase(16, 17, 5, 2.2f);
        c.ellipseRing(16, 16, 10, 5.5f, 1, iso);
        break;
    }
}

void facetedShape(PixelCanvas& c, Shape shape) {
    const Colour base{150, 175, 150};
    const Colour edge{40, 70, 40};
    const auto quad = [&](std::initializer_list<std::pair<float, float>> p, float light) {
        c.polygon(p, base.shade(light));
        const auto* pts = p.begin();
        for (size_t i = 0; i < p.size(); ++i) {
            const auto& a = pts[i];
            const auto& b = pts[(i + 1) % p.size()];
            c.line(a.first, a.second, b.first, b.second, 1, edge);
        }
    };
    switch (shape) {
    case Shape::Cube:
        quad({{5, 10}, {18, 10}, {26, 4}, {13, 4}}, 1.25f);
        quad({{5, 10}, {18, 10}, {18, 27}, {5, 27}}, 1.0f);
        quad({{18, 10}, {26, 4}, {26, 21}, {18, 27}}, 0.7f);
        break;
    case Shape::Sphere: {
        // An octagonal ball in three bands.
        const float r = 12;
        std::vector<std::pair<float, float>> ring;
        for (int i = 0; i < 8; ++i)
            ring.push_back({16 + r * std::cos(i * kPi / 4 + kPi / 8),
                            16 + r * std::sin(i * kPi / 4 + kPi / 8)});
        c.polygon(ring, base);
        for (int i = 0; i < 8; ++i) {
            const auto [x0, y0] = ring[i];
            const auto [x1, y1] = ring[(i + 1) % 8];
            const float mx = (x0 + x1) / 2 - 16, my = (y0 + y1) / 2 - 16;
            const float light = 1.0f - 0.03f * (mx * 0.6f + my * 0.8f);
            c.polygon({{16, 16}, {x0, y0}, {x1, y1}}, base.shade(light));
            c.line(x0, y0, x1, y1, 1, edge);
            c.line(16, 16, x0, y0, 1, edge.withAlpha(140));
        }
        c.ring(16, 16, 6, 1, edge.withAlpha(160));
        break;
    }
    case Shape::Cylinder:
        quad({{6, 9}, {12, 6}, {20, 6}, {26, 9}, {20, 12}, {12, 12}}, 1.3f);
        quad({{6, 9}, {12, 12}, {12, 28}, {6, 25}}, 1.05f);
        quad({{12, 12}, {20, 12}, {20, 28}, {12, 28}}, 0.9f);
        quad({{20, 12}, {26, 9}, {26, 25}, {20, 28}}, 0.7f);
        break;
    case Shape::Cone:
        quad({{16, 3}, {5, 24}, {12, 28}}, 1.15f);
        quad({{16, 3}, {12, 28}, {20, 28}}, 0.95f);
        quad({{16, 3}, {20, 28}, {27, 24}}, 0.7f);
        break;
    case Shape::Plane:
        quad({{2, 20}, {14, 10}, {30, 12}, {18, 24}}, 1.1f);
        c.line(8, 15, 24, 18, 1, edge);
        c.line(10, 22, 22, 11, 1, edge);
        break;
    case Shape::Quad:
        quad({{4, 22}, {12, 6}, {28, 9}, {22, 26}}, 1.1f);
        for (auto [x, y] : {std::pair{4, 22}, {12, 6}, {28, 9}, {22, 26}})
            c.fill(x - 1, y - 1, x + 1, y + 1, kRed);
        break;
    case Shape::Torus:
        quad({{3, 16}, {10, 9}, {22, 9}, {29, 16}, {22, 24}, {10, 24}}, 1.0f);
        quad({{10, 16}, {13, 13}, {19, 13}, {22, 16}, {19, 19}, {13, 19}}, 0.6f);
        c.line(10, 9, 13, 13, 1, edge);
        c.line(22, 9, 19, 13, 1, edge);
        c.line(3, 16, 10, 16, 1, edge);
        c.line(29, 16, 22, 16, 1, edge);
        c.line(10, 24, 13, 19, 1, edge);
        c.line(22, 24, 19, 19, 1, edge);
        break;
    }
}

void lightBulbRays(PixelCanvas& c, float cx, float cy, float inner, float outer, int count,
                   Colour colour) {
    for (int i = 0; i < count; ++i) {
        const float a = i * 2 * kPi / count;
        c.line(cx + inner * std::cos(a), cy + inner * std::sin(a), cx + outer * std::cos(a),
               cy + outer * std::sin(a), 1.6f, colour);
    }
}

void bin(PixelCanvas& c, float x, float y, float w, float h, Colour body) {
    c.polygon({{x + 1, y + 4}, {x + w - 1, y + 4}, {x + w - 3, y + h}, {x + 3, y + h}}, kOutline);
    c.polygon({{x + 2, y + 5}, {x + w - 2, y + 5}, {x + w - 4, y + h - 1}, {x + 4, y + h - 1}},
              body);
    for (float rx = x + 6; rx < x + w - 5; rx += 4)
        c.line(rx, y + 7, rx + (rx < x + w / 2 ? 0.8f : -0.8f), y + h - 3, 1.2f, body.shade(0.7f));
    c.fill(static_cast<int>(x), static_cast<int>(y + 1), static_cast<int>(x + w - 1),
           static_cast<int>(y + 3), kOutline);
    c.fill(static_cast<int>(x + 1), static_cast<int>(y + 2), static_cast<int>(x + w - 2),
           static_cast<int>(y + 2), body.shade(1.2f));
    c.fill(static_cast<int>(x + w / 2 - 3), static_cast<int>(y - 1),
           static_cast<int>(x + w / 2 + 2), static_cast<int>(y), kOutline);
}

void recycleArrows(PixelCanvas& c, float cx, float cy, float r, Colour colour) {
    for (int i = 0; i < 3; ++i) {
        const float a0 = -kPi / 2 + i * 2 * kPi / 3 + 0.25f;
        curvedArrow(c, cx, cy, r, a0, a0 + 1.45f, 1.8f, colour);
    }
}

// ---- 32x32 icons -----------------------------------------------------------

void drawLarge(PixelCanvas& c, int id) {
    switch (id) {
    case ICON_CAMERA:
        camera(c, 2, 6, 1.25f);
        break;
    case ICON_CAMERA_DOLLY:
        camera(c, 0, 0, 0.9f);
        arrowLine(c, 20, 30, 29, 17, 2, kRed);
        arrowLine(c, 29, 17, 20, 30, 2, kRed);
        break;
    case ICON_CAMERA_PAN:
        camera(c, 0, 0, 0.9f);
        arrowLine(c, 16, 25, 4, 25, 2, kRed);
        arrowLine(c, 16, 25, 29, 25, 2, kRed);
        break;
    case ICON_CAMERA_ROLL:
        camera(c, 0, 0, 0.9f);
        curvedArrow(c, 22, 23, 6.5f, -kPi * 0.9f, kPi * 0.6f, 1.8f, kRed);
        break;
    case ICON_CAMERA_TRACK:
        camera(c, 0, 0, 0.9f);
        arrowLine(c, 22, 23, 22, 16, 1.8f, kRed);
        arrowLine(c, 22, 23, 22, 31, 1.8f, kRed);
        arrowLine(c, 22, 23, 14, 23, 1.8f, kRed);
        arrowLine(c, 22, 23, 31, 23, 1.8f, kRed);
        break;
    case ICON_CAMERA_TUMBLE:
        camera(c, 0, 0, 0.9f);
        curvedArrow(c, 20, 22, 8, kPi * 0.1f, kPi * 1.2f, 1.8f, kRed);
        c.ellipse(20, 22, 2.5f, 2.5f, kRed);
        break;
    case ICON_CAMERA_YAWPITCH:
        camera(c, 0, 0, 0.9f);
        // Yaw swings along the bottom, pitch along the right-hand side.
        curvedArrow(c, 13, 11, 16, kPi * 0.3f, kPi * 0.8f, 1.8f, kRed);
        curvedArrow(c, 13, 11, 16, -kPi * 0.15f, kPi * 0.2f, 1.8f, kBlue);
        break;
    case ICON_GROUP:
        c.sphere(10, 11, 6, kRed, 0.5f, 20);
        c.polygon({{15, 26}, {22, 12}, {29, 26}}, kGreen);
        c.fill(4, 19, 13, 27, kBlue);
        for (int i = 1; i < 31; i += 4) {
            c.fill(i, 1, i + 1, 1, kOutline);
            c.fill(i, 30, i + 1, 30, kOutline);
            c.fill(1, i, 1, i + 1, kOutline);
            c.fill(30, i, 30, i + 1, kOutline);
        }
        break;
    case ICON_IK_JOINT:
        c.polygon({{10, 10}, {13, 8}, {26, 24}, {24, 27}}, kLightGrey);
        c.line(11, 9, 25, 25.5f, 1, kOutline);
        c.sphere(10, 10, 6, kOrange, 0.5f, 15);
        c.ring(10, 10, 6, 1, kOutline);
        c.sphere(25, 25, 4, kOrange, 0.5f, 15);
        break;
    case ICON_IK_HANDLE:
        c.line(5, 27, 13, 12, 2, kGrey);
        c.line(13, 12, 26, 8, 2, kGrey);
        c.line(5, 27, 26, 8, 1, kRed.withAlpha(180));
        for (auto [x, y] : {std::pair{5.f, 27.f}, {13.f, 12.f}})
            c.sphere(x, y, 3.5f, kOrange, 0.4f, 15);
        c.line(22, 8, 30, 8, 1.5f, kRed);
        c.line(26, 4, 26, 12, 1.5f, kRed);
        c.ring(26, 8, 3, 1.2f, kRed);
        break;
    case ICON_LIGHT_AMBIENT:
        c.disc(16, 16, 14, kYellow.withAlpha(70));
        c.disc(16, 16, 10, kYellow.withAlpha(120));
        c.sphere(16, 16, 7, kYellow, 0.6f, 10);
        c.ring(16, 16, 7, 1, kGold);
        break;
    case ICON_LIGHT_AREA:
        c.polygon({{6, 4}, {26, 4}, {22, 12}, {2, 12}}, kGold);
        c.polygon({{7, 5}, {24, 5}, {21, 11}, {4, 11}}, kYellow);
        for (float x : {5.f, 11.f, 17.f, 23.f})
            arrowLine(c, x, 14, x - 1, 29, 1.4f, kGold);
        break;
    case ICON_LIGHT_DIRECTIONAL:
        for (float o : {0.f, 8.f, 16.f})
            arrowLine(c, 3 + o, 3, 12 + o, 28, 1.8f, kGold);
        break;
    case ICON_LIGHT_POINT:
        lightBulbRays(c, 16, 16, 8, 14, 8, kGold);
        c.sphere(16, 16, 6, kYellow, 0.7f, 10);
        c.ring(16, 16, 6, 1, kGold);
        break;
    case ICON_LIGHT_SPOT:
        c.polygon({{12, 5}, {20, 5}, {30, 29}, {2, 29}}, kYellow.withAlpha(110));
        c.ellipse(16, 28, 14, 3, kYellow.withAlpha(170));
        c.fill(11, 1, 20, 7, kOutline);
        c.fill(12, 2, 19, 6, kGrey);
        break;
    case ICON_LOCATOR:
        c.line(16, 16, 29, 16, 2, kRed);
        c.line(16, 16, 16, 3, 2, kGreen);
        c.line(16, 16, 6, 26, 2, kBlue);
        c.line(3, 16, 16, 16, 1, kGrey);
        c.line(16, 16, 16, 29, 1, kGrey);
        c.line(16, 16, 26, 6, 1, kGrey);
        break;
    case ICON_MATERIAL_ANISTROPIC:
        c.sphere(16, 16, 13, kPurple, 0, 1);
        for (int i = 0; i < 5; ++i)
            c.ellipse(12 + i * 0.2f, 10 + i * 0.3f, 8 - i, 1.2f, kWhite.withAlpha(60));
        break;
    case ICON_MATERIAL_BLINN:
        c.sphere(16, 16, 13, kBlue, 0.9f, 40);
        break;
    case ICON_MATERIAL_LAMBERT:
        c.sphere(16, 16, 13, kRed, 0, 1);
        break;
    case ICON_MATERIAL_PHONG:
        c.sphere(16, 16, 13, kGreen, 1.0f, 90);
        break;
    case ICON_NURBS_CONE:
        smoothShape(c, Shape::Cone);
        break;
    case ICON_NURBS_CUBE:
        smoothShape(c, Shape::Cube);
        break;
    case ICON_NURBS_CYLINDER:
        smoothShape(c, Shape::Cylinder);
        break;
    case ICON_NURBS_PLANE:
        smoothShape(c, Shape::Plane);
        break;
    case ICON_NURBS_SPHERE:
        smoothShape(c, Shape::Sphere);
        break;
    case ICON_NURBS_TORUS:
        smoothShape(c, Shape::Torus);
        break;
    case ICON_POLY_CONE:
        facetedShape(c, Shape::Cone);
        break;
    case ICON_POLY_CUBE:
        facetedShape(c, Shape::Cube);
        break;
    case ICON_POLY_CYLINDER:
        facetedShape(c, Shape::Cylinder);
        break;
    case ICON_POLY_PLANE:
        facetedShape(c, Shape::Plane);
        break;
    case ICON_POLY_QUAD:
        facetedShape(c, Shape::Quad);
        break;
    case ICON_POLY_SPHERE:
        facetedShape(c, Shape::Sphere);
        break;
    case ICON_POLY_TORUS:
        facetedShape(c, Shape::Torus);
        break;
    case ICON_REDO:
        curvedArrow(c, 16, 18, 10, kPi * 0.95f, kPi * 2.05f, 3, kBlue);
        break;
    case ICON_UNDO:
        curvedArrow(c, 16, 18, 10, kPi * 2.05f, kPi * 0.95f, 3, kBlue);
        break;
    case ICON_TEXTURE_MOVIE:
        c.fill(5, 1, 26, 30, kOutline);
        for (int y = 3; y < 30; y += 4) {
            c.fill(7, y, 8, y + 1, kWhite);
            c.fill(23, y, 24, y + 1, kWhite);
        }
        c.gradient(10, 3, 21, 13, kSky, kBlue);
        c.gradient(10, 17, 21, 28, kLime, kGreen);
        break;
    case ICON_TEXTURE_RAMP:
        for (int x = 3; x <= 28; ++x) {
            const float t = (x - 3) / 25.f;
            const Colour ramp{static_cast<uint8_t>(255 * t),
                              static_cast<uint8_t>(255 * (1 - std::fabs(2 * t - 1))),
                              static_cast<uint8_t>(255 * (1 - t))};
            c.fill(x, 4, x, 27, ramp);
        }
        c.frame(2, 3, 29, 28, kOutline);
        break;
    case ICON_TOOL_CURVE_CV: {
        const std::pair<float, float> cv[4] = {{3, 27}, {8, 4}, {24, 28}, {29, 5}};
        for (int i = 0; i < 3; ++i)
            c.line(cv[i].first, cv[i].second, cv[i + 1].first, cv[i + 1].second, 1, kGrey);
        std::pair<float, float> last = cv[0];
        for (int i = 1; i <= 24; ++i) {
            const float t = i / 24.f, u = 1 - t;
            const float x = u * u * u * cv[0].first + 3 * u * u * t * cv[1].first +
                            3 * u * t * t * cv[2].first + t * t * t * cv[3].first;
            const float y = u * u * u * cv[0].second + 3 * u * u * t * cv[1].second +
                            3 * u * t * t * cv[2].second + t * t * t * cv[3].second;
            c.line(last.first, last.second, x, y, 2, kBlue);
            last = {x, y};
        }
        for (const auto& [x, y] : cv) {
            c.fill(static_cast<int>(x) - 2, static_cast<int>(y) - 2, static_cast<int>(x) + 1,
                   static_cast<int>(y) + 1, kPurple);
        }
        break;
    }
    case ICON_TOOL_CURVE_EP: {
        std::pair<float, float> last{3, 24};
        for (int i = 1; i <= 24; ++i) {
            const float t = i / 24.f;
            const float x = 3 + 26 * t,
                        y = 16 + 9 * std::cos(t * 2 * kPi * 0.9f) * (1 - 0.3f * t) - 1;
            c.line(last.first, last.second, x, y, 2, kBlue);
            last = {x, y};
        }
        for (float t : {0.f, 0.33f, 0.66f, 1.f}) {
            const float x = 3 + 26 * t,
                        y = 16 + 9 * std::cos(t * 2 * kPi * 0.9f) * (1 - 0.3f * t) - 1;
            c.ring(x, y, 2.2f, 1.2f, kPurple);
        }
        break;
    }
    case ICON_TOOL_LASSO_SELECT:
        c.ellipseRing(17, 11, 12, 8, 2, kBrown);
        c.line(9, 17, 7, 24, 2, kBrown);
        c.line(7, 24, 11, 29, 2, kBrown);
        c.polygon({{2, 20}, {2, 31}, {5, 28}, {7, 31}, {8.5f, 30}, {6.5f, 27}, {10, 27}}, kBlack);
        break;
    case ICON_TOOL_MOVE:
        arrowLine(c, 16, 16, 16, 1, 2.5f, kOutline);
        arrowLine(c, 16, 16, 16, 31, 2.5f, kOutline);
        arrowLine(c, 16, 16, 1, 16, 2.5f, kOutline);
        arrowLine(c, 16, 16, 31, 16, 2.5f, kOutline);
        break;
    case ICON_TOOL_ROTATE:
        curvedArrow(c, 16, 16, 11, -kPi * 0.9f, kPi * 0.05f, 2.5f, kOutline);
        curvedArrow(c, 16, 16, 11, kPi * 0.1f, kPi * 1.05f, 2.5f, kOutline);
        break;
    case ICON_TOOL_SCALE:
        c.frame(2, 12, 19, 29, kOutline);
        c.fill(3, 13, 18, 28, kSky);
        c.frame(2, 22, 9, 29, kOutline);
        c.fill(3, 23, 8, 28, kBlue);
        arrowLine(c, 12, 19, 29, 2, 2.2f, kOutline);
        break;
    case ICON_TOOL_SELECT:
        c.polygon({{8, 3}, {8, 26}, {13, 21}, {17, 30}, {21, 28}, {17, 19.5f}, {24, 19.5f}},
                  kBlack);
        c.polygon({{9.5f, 6.5f},
                   {9.5f, 22.5f},
                   {13.5f, 18.5f},
                   {17.8f, 27.8f},
                   {19.2f, 27.2f},
                   {15.2f, 18.2f},
                   {20.5f, 18.2f}},
                  kWhite);
        break;
    case ICON_TOOL_TEXT:
        c.fill(5, 3, 26, 7, kOutline);
        c.fill(5, 8, 8, 10, kOutline);
        c.fill(23, 8, 26, 10, kOutline);
        c.fill(13, 8, 18, 26, kOutline);
        c.fill(10, 27, 21, 29, kOutline);
        break;
    case ICON_TRASH:
        bin(c, 5, 3, 22, 27, kLightGrey);
        break;
    default:
        break;
    }
}

// ---- 16x16 RGBA icons -------------------------------------------------------

void drawSmall(PixelCanvas& c, int id) {
    switch (id) {
    case ICON_SMALL_ARROW_DOWN:
        c.polygon({{3, 5}, {13, 5}, {8, 11}}, kBlack);
        break;
    case ICON_SMALL_ARROW_UP:
        c.polygon({{3, 11}, {13, 11}, {8, 5}}, kBlack);
        break;
    case ICON_SMALL_ARROW_LEFT:
        c.polygon({{11, 3}, {11, 13}, {5, 8}}, kBlack);
        break;
    case ICON_SMALL_ARROW_RIGHT:
        c.polygon({{5, 3}, {5, 13}, {11, 8}}, kBlack);
        break;
    case ICON_SMALL_CDROM:
        c.disc(8, 8, 7.5f, kGrey);
        c.disc(8, 8, 6.8f, kSilver);
        c.arc(8, 8, 4.5f, 1.5f, -kPi * 0.9f, -kPi * 0.5f, kSky);
        c.arc(8, 8, 4.5f, 1.5f, kPi * 0.1f, kPi * 0.5f, Colour{250, 200, 230});
        c.disc(8, 8, 2.2f, kGrey);
        c.erase(8, 8, 1.3f, 1.3f);
        break;
    case ICON_SMALL_CONTROL_PANEL:
        c.fill(1, 2, 14, 13, kOutline);
        c.fill(2, 3, 13, 12, kSilver);
        for (int i = 0; i < 3; ++i) {
            c.fill(4 + i * 4, 4, 4 + i * 4, 11, kDarkGrey);
            const int knob = 5 + (i * 3) % 6;
            c.fill(3 + i * 4, knob, 5 + i * 4, knob + 1, i == 1 ? kRed : kBlue);
        }
        break;
    case ICON_SMALL_DELETE:
        c.line(3.5f, 3.5f, 12.5f, 12.5f, 3, kRed);
        c.line(12.5f, 3.5f, 3.5f, 12.5f, 3, kRed);
        break;
    case ICON_SMALL_DESKTOP:
        monitor(c, 1, 1, 14, 10, kTeal);
        break;
    case ICON_SMALL_EMAIL:
        c.fill(1, 3, 14, 12, kOutline);
        c.fill(2, 4, 13, 11, kPaper);
        c.line(2, 4.5f, 8, 9, 1, kOutline);
        c.line(14, 4.5f, 8, 9, 1, kOutline);
        break;
    case ICON_SMALL_FLOPPY:
        c.fill(1, 1, 14, 14, kBlack);
        c.fill(2, 2, 13, 13, kDarkGrey);
        c.fill(4, 2, 11, 6, kSilver);
        c.fill(8, 3, 9, 5, kDarkGrey);
        c.fill(3, 9, 12, 13, kPaper);
        c.fill(4, 10, 11, 10, kBlue);
        break;
    case ICON_SMALL_FOLDER:
        folder(c, 0.5f, 1.5f, 15, 13, kYellow);
        break;
    case ICON_SMALL_MOVE_FOLDER:
        folder(c, 0.5f, 1.5f, 15, 13, kYellow);
        arrowLine(c, 3, 10, 13, 10, 2, kGreen);
        break;
    case ICON_SMALL_MY_COMPUTER:
        monitor(c, 2, 0, 13, 8, kBlue);
        c.fill(0, 12, 15, 15, kOutline);
        c.fill(1, 13, 14, 14, kSilver);
        c.fill(10, 13, 12, 13, kGreen);
        break;
    case ICON_SMALL_MY_DOCUMENTS:
        folder(c, 0.5f, 3.5f, 15, 11.5f, kYellow);
        page(c, 4, 0, 12, 9, kBlue);
        c.polygon({{0.5f, 7.5f}, {15.5f, 7.5f}, {15.5f, 15}, {0.5f, 15}}, kGold.shade(0.6f));
        c.gradient(1, 8, 14, 14, kYellow.shade(1.1f), kYellow);
        break;
    case ICON_SMALL_NETWORK_NEIGHBOURHOOD:
        monitor(c, 0, 0, 8, 6, kBlue);
        monitor(c, 7, 5, 15, 11, kTeal);
        c.line(4, 11, 4, 14.5f, 1, kOutline);
        c.line(4, 14.5f, 11, 14.5f, 1, kOutline);
        break;
    case ICON_SMALL_RECYCLE:
        bin(c, 2, 1, 12, 15, Colour{150, 200, 150});
        c.disc(8, 10, 3, kGreen);
        c.disc(8, 10, 1.5f, Colour{150, 200, 150});
        break;
    default:
        break;
    }
}

// ---- 32x32 RGBA icons -------------------------------------------------------

void drawLargeAlpha(PixelCanvas& c, int id) {
    switch (id) {
    case ICON_BACK:
    case ICON_FORWARD: {
        c.sphere(16, 16, 14, kGreen, 0.5f, 20);
        const float dir = id == ICON_BACK ? -1 : 1;
        c.line(16 - 8 * dir, 16, 16 + 2 * dir, 16, 5, kWhite);
        c.arrowHead(16 + 1 * dir, 16, 16 + 10 * dir, 16, 8, kWhite);
        break;
    }
    case ICON_CAMERA_SCANNER:
        c.polygon({{2, 14}, {26, 14}, {30, 22}, {6, 22}}, kSilver);
        c.fill(6, 22, 30, 27, kGrey);
        c.fill(6, 27, 30, 27, kOutline);
        c.polygon({{5, 15}, {24, 15}, {26, 19}, {7, 19}}, kSky);
        c.line(12, 24.5f, 26, 24.5f, 1, kGreen);
        c.polygon({{2, 14}, {26, 14}, {22, 6}, {4, 6}}, kLightGrey.withAlpha(200));
        break;
    case ICON_FOLDER:
        folder(c, 1, 3, 30, 25, kYellow);
        break;
    case ICON_FOLDERS:
        folder(c, 1, 1, 22, 18, kYellow.shade(0.9f));
        folder(c, 9, 11, 22, 18, kYellow);
        break;
    case ICON_JOYPAD:
        c.ellipse(16, 17, 15, 9, kOutline);
        c.ellipse(16, 17, 14, 8, kLightGrey);
        c.fill(6, 15, 12, 17, kDarkGrey);
        c.fill(8, 13, 10, 19, kDarkGrey);
        c.disc(22, 14.5f, 2, kRed);
        c.disc(25, 18.5f, 2, kBlue);
        c.disc(19, 18.5f, 2, kGreen);
        break;
    case ICON_KEYBOARD:
        c.polygon({{1, 12}, {31, 12}, {31, 26}, {1, 26}}, kOutline);
        c.fill(2, 13, 30, 25, kSilver);
        for (int row = 0; row < 3; ++row)
            for (int key = 0; key < 9; ++key)
                c.fill(3 + key * 3 + row, 14 + row * 3, 4 + key * 3 + row, 15 + row * 3, kGrey);
        c.fill(8, 23, 23, 24, kGrey);
        break;
    case ICON_MAGNIFY:
        c.line(19, 19, 29, 29, 4, kBrown);
        c.disc(13, 13, 10, kDarkGrey);
        c.disc(13, 13, 8, kSky.withAlpha(170));
        c.arc(13, 13, 5.5f, 1.5f, -kPi * 0.9f, -kPi * 0.55f, kWhite);
        break;
    case ICON_MOUSE:
        c.line(16, 8, 16, 3, 1.2f, kOutline);
        c.arc(20, 3, 4, 1.2f, kPi, kPi * 1.5f, kOutline);
        c.ellipse(16, 19, 9, 12, kOutline);
        c.ellipse(16, 19, 8, 11, kSilver);
        c.line(8, 16, 24, 16, 1, kGrey);
        c.line(16, 8, 16, 16, 1, kGrey);
        break;
    case ICON_MY_COMPUTER:
        monitor(c, 4, 1, 27, 18, kBlue);
        c.fill(1, 24, 30, 30, kOutline);
        c.fill(2, 25, 29, 29, kSilver);
        c.fill(18, 27, 26, 27, kDarkGrey);
        c.fill(4, 27, 5, 27, kGreen);
        break;
    case ICON_MY_DOCUMENTS:
        folder(c, 1, 5, 30, 25, kYellow);
        page(c, 7, 1, 21, 20, kBlue);
        page(c, 12, 3, 26, 22, kBlue);
        c.polygon({{1, 14}, {31, 14}, {31, 30}, {1, 30}}, kGold.shade(0.6f));
        c.gradient(2, 15, 29, 28, kYellow.shade(1.1f), kYellow);
        break;
    case ICON_PHONE_MODEM:
        c.fill(2, 18, 29, 28, kOutline);
        c.fill(3, 19, 28, 27, kLightGrey);
        for (int i = 0; i < 4; ++i)
            c.fill(6 + i * 3, 24, 7 + i * 3, 25, i == 0 ? kGreen : kRed);
        c.arc(16, 14, 11, 4, -kPi * 0.95f, -kPi * 0.05f, kDarkGrey);
        c.fill(3, 11, 8, 16, kDarkGrey);
        c.fill(24, 11, 29, 16, kDarkGrey);
        break;
    case ICON_PRINTER:
        c.fill(9, 2, 23, 13, kOutline);
        c.fill(10, 3, 22, 13, kPaper);
        for (int y = 5; y < 12; y += 3)
            c.fill(12, y, 20, y, kGrey);
        c.fill(2, 12, 29, 24, kOutline);
        c.fill(3, 13, 28, 23, kLightGrey);
        c.fill(3, 13, 28, 15, kSilver);
        c.fill(24, 17, 26, 18, kGreen);
        c.fill(8, 21, 23, 29, kOutline);
        c.fill(9, 22, 22, 28, kPaper);
        break;
    case ICON_RECYCLE:
        bin(c, 4, 2, 24, 29, Colour{150, 200, 150});
        recycleArrows(c, 16, 19, 6, kGreen);
        break;
    case ICON_UP_FOLDER:
        folder(c, 1, 3, 30, 25, kYellow);
        arrowLine(c, 16, 25, 16, 10, 3, kGreen.shade(0.8f));
        break;
    case ICON_VIEW:
        c.ellipse(16, 16, 15, 8, kOutline);
        c.ellipse(16, 16, 14, 7, kWhite);
        c.disc(16, 16, 6, kBlue);
        c.disc(16, 16, 3, kBlack);
        c.disc(14, 14, 1.3f, kWhite);
        break;
    default:
        break;
    }
}

} // namespace

PixelCanvas drawIconArt(int id) {
    PixelCanvas canvas(iconSize(id));
    if (id >= 1 && id <= 17)
        drawLayered(canvas, id);
    else if (id >= 18 && id <= 63)
        drawLarge(canvas, id);
    else if (id >= 64 && id <= 79)
        drawSmall(canvas, id);
    else if (id >= 80 && id < kIconCount)
        drawLargeAlpha(canvas, id);
    return canvas;
}

} // namespace ui
