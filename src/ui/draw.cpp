#include "ui/draw.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/glut_backend.h"

namespace ui {

namespace {

constexpr std::array<Rgb, kColourCount> kDefaultScheme = {{
    {0.930f, 0.913f, 0.847f},
    {0, 0, 0},
    {0, 0, 0.5f},
    {0.239f, 0.584f, 1.0f},
    {1, 1, 1},
    {1, 1, 1},
    {0, 0, 0},
    {0.6f, 0.6f, 0.6f},
    {0, 0, 0},
    {0.89f, 0.90f, 0.96f},
    {0.7f, 0.7f, 0.7f},
    {0.94f, 0.923f, 0.93f},
    {0.44f, 0.44f, 0.39f},
}};

std::array<Rgb, kColourCount> scheme = kDefaultScheme;
bool shadowsOn = true;
bool bevelsOn = true;

ClipStack clipStack;
bool scissorEnabledByUs = false;

bool validColour(int index) {
    return index >= 0 && index < kColourCount;
}

// Line vertices sit on pixel centres so a line at x lights column x.
void vertexAtPixel(int x, int y) {
    glVertex2f(x + 0.5f, y + 0.5f);
}

void applyScissor(const ClipBox& box) {
    glScissor(box.x, box.y, box.width, box.height);
}

} // namespace

const std::array<const char*, kColourCount> kColourNames = {
    "LUI_COLOR_3D_OBJECTS", "LUI_COLOR_BLACK",     "LUI_COLOR_TITLE1",      "LUI_COLOR_TITLE2",
    "LUI_COLOR_TITLE_TEXT", "LUI_COLOR_WINDOW",    "LUI_COLOR_WINDOW_TEXT", "LUI_COLOR_MENU",
    "LUI_COLOR_MENU_TEXT",  "LUI_COLOR_HIGHLIGHT", "LUI_COLOR_DARK_GREY",   "LUI_COLOR_GREY",
    "LUI_COLOR_LIGHT_GREY",
};

const char* colourConstantScript() {
    return "LUI_COLOR_3D_OBJECTS=0;\n"
           "LUI_COLOR_BLACK=1;\n"
           "LUI_COLOR_TITLE1=2;\n"
           "LUI_COLOR_TITLE2=3;\n"
           "LUI_COLOR_TITLE_TEXT=4;\n"
           "LUI_COLOR_WINDOW=5;\n"
           "LUI_COLOR_WINDOW_TEXT=6;\n"
           "LUI_COLOR_MENU=7;\n"
           "LUI_COLOR_MENU_TEXT=8;\n"
           "LUI_COLOR_HIGHLIGHT=9;\n"
           "LUI_COLOR_DARK_GREY=10;\n"
           "LUI_COLOR_GREY=11;\n"
           "LUI_COLOR_LIGHT_GREY=12;\n";
}

// ---- Colour scheme --------------------------------------------------------

void setColour(int index) {
    if (!validColour(index)) return;
    const Rgb& c = scheme[index];
    glColor4f(c.r, c.g, c.b, kSchemeAlpha);
}

Rgb getColour(int index) {
    return validColour(index) ? scheme[index] : Rgb{};
}

void storeColour(int index, float r, float g, float b) {
    if (validColour(index)) scheme[index] = {r, g, b};
}

void resetColours() {
    scheme = kDefaultScheme;
}

bool shadowsEnabled() {
    return shadowsOn;
}
void setShadowsEnabled(bool on) {
    shadowsOn = on;
}
bool bevelsEnabled() {
    return bevelsOn;
}
void setBevelsEnabled(bool on) {
    bevelsOn = on;
}

// ---- Primitives -----------------------------------------------------------

void fillRect(int x0, int y0, int x1, int y1) {
    glBegin(GL_QUADS);
    glVertex2i(x0, y0);
    glVertex2i(x1, y0);
    glVertex2i(x1, y1);
    glVertex2i(x0, y1);
    glEnd();
}

void outlineRect(int colour, int x0, int y0, int x1, int y1) {
    setColour(colour);
    glBegin(GL_LINE_LOOP);
    vertexAtPixel(x0, y0);
    vertexAtPixel(x1, y0);
    vertexAtPixel(x1, y1);
    vertexAtPixel(x0, y1);
    glEnd();
}

void line(int x, int y, int dx, int dy) {
    glBegin(GL_LINES);
    vertexAtPixel(x, y);
    vertexAtPixel(x + dx, y + dy);
    glEnd();
}

void triangle(int x0, int y0, int x1, int y1, int x2, int y2, float grey) {
    setColour(LUI_COLOR_BLACK);
    glBegin(GL_TRIANGLES);
    glVertex2i(x0, y0);
    glVertex2i(x1, y1);
    glVertex2i(x2, y2);
    glEnd();
    if (!bevelsOn) return;
    glColor4f(grey, grey, grey, kSchemeAlpha);
    glBegin(GL_LINE_LOOP);
    glVertex2i(x0, y0);
    glVertex2i(x1, y1);
    glVertex2i(x2, y2);
    glEnd();
}

// (x1, y1) is exclusive, like fillRect's, so the bevel hugs the inside of the
// area a panel fills.
void bevel(int x0, int y0, int x1, int y1, int depth) {
    const Rgb base = scheme[LUI_COLOR_3D_OBJECTS];
    const float d = 0.3f * depth;
    const int right = x1 - 1;
    const int bottom = y1 - 1;
    glColor4f(base.r + d, base.g + d, base.b + d, kSchemeAlpha);
    glBegin(GL_LINE_STRIP);
    vertexAtPixel(right, y0);
    vertexAtPixel(x0, y0);
    vertexAtPixel(x0, y1);
    glEnd();
    glColor4f(base.r - d, base.g - d, base.b - d, kSchemeAlpha);
    glBegin(GL_LINE_STRIP);
    vertexAtPixel(right, y0);
    vertexAtPixel(right, bottom);
    vertexAtPixel(x0 - 1, bottom);
    glEnd();
}

void panel(int x, int y, int w, int h, bool gradient, int depth) {
    if (gradient) {
        const Rgb left = scheme[LUI_COLOR_TITLE1];
        const Rgb right = scheme[LUI_COLOR_TITLE2];
        glBegin(GL_QUADS);
        glColor4f(left.r, left.g, left.b, kSchemeAlpha);
        glVertex2i(x, y);
        glColor4f(right.r, right.g, right.b, kSchemeAlpha);
        glVertex2i(x + w, y);
        glVertex2i(x + w, y + h);
        glColor4f(left.r, left.g, left.b, kSchemeAlpha);
        glVertex2i(x, y + h);
        glEnd();
    } else {
        setColour(LUI_COLOR_3D_OBJECTS);
        fillRect(x, y, x + w, y + h);
    }
    if (!bevelsOn || depth == 0) return;
    if (depth == 2)
        outlineRect(LUI_COLOR_LIGHT_GREY, x + 1, y + 1, x + w - 2, y + h - 2);
    else
        bevel(x, y, x + w, y + h, depth);
}

void highlightPanel(int x, int y, int w, int h, int depth) {
    setColour(LUI_COLOR_HIGHLIGHT);
    fillRect(x, y, x + w, y + h);
    if (!bevelsOn || depth == 0) return;
    if (depth == 2)
        outlineRect(LUI_COLOR_LIGHT_GREY, x, y, x + w - 1, y + h - 1);
    else
        bevel(x, y, x + w, y + h, depth);
}

void whitePanel(int x, int y, int w, int h) {
    setColour(LUI_COLOR_WINDOW);
    fillRect(x, y, x + w, y + h);
    if (bevelsOn) outlineRect(LUI_COLOR_DARK_GREY, x, y, x + w - 1, y + h - 1);
}

void pressedPanel(int x, int y, int w, int h, int depth) {
    setColour(LUI_COLOR_TITLE_TEXT);
    fillRect(x, y, x + w, y + h);
    if (bevelsOn && depth != 0) bevel(x, y, x + w, y + h, depth);
}

void shadow(int x, int y, int w, int h) {
    if (!shadowsOn) return;
    const GLboolean wasBlending = glIsEnabled(GL_BLEND);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 0, 0.25f);
    fillRect(x + kShadowOffset, y + kShadowOffset, x + w + kShadowOffset, y + h + kShadowOffset);
    if (!wasBlending) glDisable(GL_BLEND);
}

void translate(int dx, int dy) {
    glTranslatef(static_cast<float>(dx), static_cast<float>(dy), 0);
}

void rasterAt(int x, int y) {
    glRasterPos2f(x + 0.25f, y - 0.25f);
}

void setLineWidth(float width) {
    glLineWidth(width);
}

// ---- Scissor stack --------------------------------------------------------

ClipBox intersectClip(const ClipBox& outer, const ClipBox& box) {
    ClipBox result;
    result.x = std::max(outer.x, box.x);
    result.y = std::max(outer.y, box.y);
    const int right = std::min(outer.x + outer.width, box.x + box.width);
    const int top = std::min(outer.y + outer.height, box.y + box.height);
    result.width = std::max(0, right - result.x);
    result.height = std::max(0, top - result.y);
    return result;
}

ClipBox ClipStack::push(const ClipBox& box) {
    ClipBox pushed = box;
    if (!boxes_.empty()) pushed = intersectClip(boxes_.back(), box);
    pushed.width = std::max(0, pushed.width);
    pushed.height = std::max(0, pushed.height);
    boxes_.push_back(pushed);
    return pushed;
}

bool ClipStack::pop() {
    if (boxes_.empty()) return false;
    boxes_.pop_back();
    return true;
}

void pushClip(int x, int y, int w, int h) {
    const ClipBox box = clipStack.push({x, y, w, h});
    if (!glIsEnabled(GL_SCISSOR_TEST)) {
        glEnable(GL_SCISSOR_TEST);
        scissorEnabledByUs = true;
    }
    applyScissor(box);
}

void popClip() {
    if (!clipStack.pop()) return;
    if (!clipStack.empty()) {
        applyScissor(clipStack.top());
        return;
    }
    if (scissorEnabledByUs) glDisable(GL_SCISSOR_TEST);
    scissorEnabledByUs = false;
}

void pushClipLocal(int x, int y, int w, int h) {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble ax, ay, az, bx, by, bz;
    gluProject(x, y, 0, modelView, projection, viewport, &ax, &ay, &az);
    gluProject(x + w, y + h, 0, modelView, projection, viewport, &bx, &by, &bz);
    const int left = static_cast<int>(std::lround(std::min(ax, bx)));
    const int bottom = static_cast<int>(std::lround(std::min(ay, by)));
    const int right = static_cast<int>(std::lround(std::max(ax, bx)));
    const int top = static_cast<int>(std::lround(std::max(ay, by)));
    pushClip(left, bottom, right - left, top - bottom);
}

int clipDepth() {
    return clipStack.depth();
}

// ---- Cursors and redisplay ------------------------------------------------

namespace {

std::optional<platform::CursorShape> cursorShapeFor(int kind) {
    using platform::CursorShape;
    switch (kind) {
    case kCursorLeftSide:
        return CursorShape::LeftSide;
    case kCursorSpray:
        return CursorShape::Spray;
    case kCursorUpDown:
        return CursorShape::UpDown;
    case kCursorTopLeftCorner:
        return CursorShape::TopLeftCorner;
    case kCursorTopRightCorner:
        return CursorShape::TopRightCorner;
    case kCursorBottomLeftCorner:
        return CursorShape::BottomLeftCorner;
    case kCursorBottomRightCorner:
        return CursorShape::BottomRightCorner;
    case kCursorInherit:
        return CursorShape::Inherit;
    case kCursorText:
        return CursorShape::Text;
    default:
        return std::nullopt;
    }
}

} // namespace

void setCursor(int kind) {
    if (const auto shape = cursorShapeFor(kind)) platform::SetCursorShape(*shape);
}

void requestRedisplay() {
    platform::PostRedisplay();
}

} // namespace ui
