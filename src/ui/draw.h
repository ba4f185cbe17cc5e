// The toolkit's drawing layer: the colour scheme, the immediate-mode
// primitives every control draws with, the scissor stack, cursors and
// redisplay requests. Coordinates are pixels in the toolkit's projection
// (origin top-left, y down) unless a function says otherwise.
#pragma once

#include <array>
#include <vector>

namespace ui {

// ---- Colour scheme --------------------------------------------------------

enum ColourIndex : int {
    LUI_COLOR_3D_OBJECTS = 0,
    LUI_COLOR_BLACK,
    LUI_COLOR_TITLE1,
    LUI_COLOR_TITLE2,
    LUI_COLOR_TITLE_TEXT,
    LUI_COLOR_WINDOW,
    LUI_COLOR_WINDOW_TEXT,
    LUI_COLOR_MENU,
    LUI_COLOR_MENU_TEXT,
    LUI_COLOR_HIGHLIGHT,
    LUI_COLOR_DARK_GREY,
    LUI_COLOR_GREY,
    LUI_COLOR_LIGHT_GREY,
};
constexpr int kColourCount = 13;
// Alpha every scheme colour is applied with.
constexpr float kSchemeAlpha = 0.5f;

struct Rgb {
    float r = 0, g = 0, b = 0;
};

// "LUI_COLOR_3D_OBJECTS" ... "LUI_COLOR_LIGHT_GREY", by index.
extern const std::array<const char*, kColourCount> kColourNames;
// Script text defining the LUI_COLOR_* constants, one assignment per line.
const char* colourConstantScript();

// Makes scheme entry `index` the current GL colour (alpha 0.5); other
// indices leave the colour unchanged.
void setColour(int index);
// The entry's colour; black for indices outside the scheme.
Rgb getColour(int index);
// Replaces an entry; indices outside 0..12 are ignored.
void storeColour(int index, float r, float g, float b);
// Puts every entry back to its start-up value.
void resetColours();

// ---- Style switches -------------------------------------------------------

constexpr int kShadowOffset = 5;
bool shadowsEnabled();
void setShadowsEnabled(bool on);
bool bevelsEnabled();
void setBevelsEnabled(bool on);

// ---- Primitives -----------------------------------------------------------

void fillRect(int x0, int y0, int x1, int y1);
void outlineRect(int colour, int x0, int y0, int x1, int y1);
void line(int x, int y, int dx, int dy);
// Filled in colour 1; with bevels on also outlined in the grey level `grey`.
void triangle(int x0, int y0, int x1, int y1, int x2, int y2, float grey);
// Depth 1 looks raised, -1 sunken; each unit shifts the edge colours by 0.3.
void bevel(int x0, int y0, int x1, int y1, int depth);
// Colour-0 face (or the title gradient); depth 2 draws a flat inner outline,
// any other nonzero depth a bevel.
void panel(int x, int y, int w, int h, bool gradient, int depth);
void highlightPanel(int x, int y, int w, int h, int depth);
void whitePanel(int x, int y, int w, int h);
void pressedPanel(int x, int y, int w, int h, int depth);
void shadow(int x, int y, int w, int h);
void translate(int dx, int dy);
// Sets the raster position to the lower-left corner of pixel row y - 1 at
// column x in the toolkit's frame (y down), nudged so that rounding cannot
// move bitmaps by a pixel: a bitmap drawn there ends just above row y.
void rasterAt(int x, int y);
void setLineWidth(float width);

// ---- Scissor stack --------------------------------------------------------

// A box in window pixels with the origin at the bottom-left, as glScissor takes it.
struct ClipBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ClipBox&) const = default;
};

// `box` cut down to `outer`: the result never reaches past outer's edges.
ClipBox intersectClip(const ClipBox& outer, const ClipBox& box);

// The nesting of clip boxes without GL: what pushClip and popClip keep.
class ClipStack {
  public:
    // Pushes `box` cut down to the current top and returns what was pushed.
    ClipBox push(const ClipBox& box);
    // Drops the top; returns false when the stack was already empty.
    bool pop();
    bool empty() const { return boxes_.empty(); }
    int depth() const { return static_cast<int>(boxes_.size()); }
    // The innermost box; only meaningful when not empty.
    ClipBox top() const { return boxes_.empty() ? ClipBox{} : boxes_.back(); }

  private:
    std::vector<ClipBox> boxes_;
};

// Intersects with the current clip, pushes, enables the scissor test if it
// was off and applies the box.
void pushClip(int x, int y, int w, int h);
// Drops the top; the last pop disables the scissor test this module enabled.
void popClip();
// pushClip for a box given in the current drawing frame (a control's own
// pixels, y down), converted to window pixels through the GL matrices.
void pushClipLocal(int x, int y, int w, int h);
// The boxes currently pushed (for callers that must restore state).
int clipDepth();

// ---- Cursors and redisplay ------------------------------------------------

enum CursorKind : int {
    kCursorLeftSide = 1,
    kCursorSpray = 2,
    kCursorUpDown = 3,
    kCursorTopLeftCorner = 5,
    kCursorTopRightCorner = 6,
    kCursorBottomLeftCorner = 7,
    kCursorBottomRightCorner = 8,
    kCursorInherit = 9,
    kCursorText = 10,
};
// Kinds outside the list leave the cursor unchanged.
void setCursor(int kind);

// Asks for one more display pass.
void requestRedisplay();

} // namespace ui
