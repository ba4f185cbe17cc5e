// The colour scheme, the scissor stack, panels, text and icons as they come out on screen.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "frame_fixture.h"
#include "support/gl_window.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/icons.h"

using namespace ui;

namespace {

void expectNear(Pixel actual, Rgb expected, const char* where) {
    auto byte = [](float value) { return std::lround(std::clamp(value, 0.f, 1.f) * 255); };
    EXPECT_NEAR(actual.r, byte(expected.r), 2) << where;
    EXPECT_NEAR(actual.g, byte(expected.g), 2) << where;
    EXPECT_NEAR(actual.b, byte(expected.b), 2) << where;
}

const auto offset = [](Rgb c, float d) { return Rgb{c.r + d, c.g + d, c.b + d}; };

ClipBox scissorBox() {
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    return {box[0], box[1], box[2], box[3]};
}

// Every character 5 wide, a space 3, for layout checks.
const auto fakeAdvance = [](unsigned char c) { return c == ' ' ? 3 : 5; };

TextBoxLayout layout(const char* text, int maxX = 1000, int maxY = 1000, bool singleLine = false) {
    return layoutTextBox(fakeAdvance, 10, text, 0, 0, maxX, maxY, singleLine);
}

std::string placedText(const TextBoxLayout& l) {
    std::string text;
    for (const PlacedChar& c : l.chars)
        text += c.c;
    return text;
}

} // namespace

TEST(ColourScheme, StoresOnlyItsOwnEntriesAndNamesThemForScripts) {
    resetColours();
    storeColour(kColourCount, 0.25f, 0.5f, 0.75f);
    storeColour(-1, 0.25f, 0.5f, 0.75f);
    EXPECT_FLOAT_EQ(getColour(LUI_COLOR_HIGHLIGHT).r, 0.89f);

    std::string script;
    for (int i = 0; i < kColourCount; ++i)
        script += std::string(kColourNames[i]) + "=" + std::to_string(i) + ";\n";
    EXPECT_EQ(colourConstantScript(), script);
}

TEST(ClipStack, NestedBoxesNeverWiden) {
    ClipStack stack;
    EXPECT_EQ(stack.push({10, 10, 100, 80}), (ClipBox{10, 10, 100, 80}));
    // Wider on every side: cut back to the outer box.
    EXPECT_EQ(stack.push({0, 0, 300, 300}), (ClipBox{10, 10, 100, 80}));
    // Overlapping the right and upper edges.
    EXPECT_EQ(stack.push({50, 60, 100, 100}), (ClipBox{50, 60, 60, 30}));
    // Entirely outside: nothing left visible.
    const ClipBox outside = stack.push({200, 200, 10, 10});
    EXPECT_TRUE(outside.width == 0 && outside.height == 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(stack.pop());
    EXPECT_FALSE(stack.pop());
}

TEST_F(FrameTest, LocalClipsFollowTheDrawingFrameAndTheLastPopEndsTheScissorTest) {
    // A control at (30, 40) clipping its 50x20 client area: window rows count from the bottom.
    glPushMatrix();
    translate(30, 40);
    pushClipLocal(0, 0, 50, 20);
    glPopMatrix();
    EXPECT_EQ(scissorBox(), (ClipBox{30, kSize - 60, 50, 20}));
    pushClip(50, 200, 200, 40); // window coordinates
    EXPECT_EQ(scissorBox(), (ClipBox{50, 200, 30, 16}));
    popClip();
    setColour(LUI_COLOR_BLACK);
    fillRect(0, 0, kSize, kSize);
    popClip();
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    popClip(); // one pop too many is harmless
    EXPECT_EQ(clipDepth(), 0);
    grab();
    EXPECT_EQ(darkPixels(0, 0, kSize, kSize), 50 * 20);
    EXPECT_EQ(darkPixels(30, 40, 80, 60), 50 * 20);

    // A scissor test someone else turned on stays on.
    glEnable(GL_SCISSOR_TEST);
    pushClip(0, 0, 10, 10);
    popClip();
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    glDisable(GL_SCISSOR_TEST);
}

TEST_F(FrameTest, PanelsShadeTheirEdgesAndStyleSwitchesDropBevelsOutlinesAndShadows) {
    const Rgb face = getColour(LUI_COLOR_3D_OBJECTS), white{1, 1, 1};
    panel(10, 10, 60, 30, false, 1);
    panel(100, 10, 60, 30, false, -1);
    panel(10, 50, 100, 20, false, 2);
    panel(10, 80, 100, 20, true, 0);
    whitePanel(10, 110, 100, 20);
    shadow(10, 150, 50, 30);
    panel(10, 150, 50, 30, false, 0);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    setBevelsEnabled(false);
    setShadowsEnabled(false);
    panel(130, 60, 60, 30, false, 1);
    whitePanel(130, 110, 60, 30);
    shadow(130, 150, 60, 30);
    grab();
    expectNear(pixel(40, 25), face, "raised face");
    expectNear(pixel(40, 10), offset(face, 0.3f), "raised top edge");
    expectNear(pixel(40, 39), offset(face, -0.3f), "raised bottom edge");
    expectNear(pixel(130, 10), offset(face, -0.3f), "sunken top edge");
    expectNear(pixel(130, 39), offset(face, 0.3f), "sunken bottom edge");
    expectNear(pixel(70, 25), white, "bevel inside the panel, not right of it");
    expectNear(pixel(40, 40), white, "nor below it");
    expectNear(pixel(11, 60), getColour(LUI_COLOR_LIGHT_GREY), "flat inner outline");
    expectNear(pixel(10, 90), getColour(LUI_COLOR_TITLE1), "gradient left end");
    expectNear(pixel(109, 90), getColour(LUI_COLOR_TITLE2), "gradient right end");
    expectNear(pixel(10, 120), getColour(LUI_COLOR_DARK_GREY), "white panel outline");
    expectNear(pixel(62, 182), Rgb{0.75f, 0.75f, 0.75f}, "shadow beside the panel");
    expectNear(pixel(12, 152), face, "panel over its shadow");
    expectNear(pixel(12, 182), white, "shadow offset to the right");
    expectNear(pixel(160, 60), face, "no bevel");
    expectNear(pixel(130, 120), getColour(LUI_COLOR_WINDOW), "no outline");
    expectNear(pixel(160, 170), white, "no shadow");
}

TEST_F(FrameTest, LinesAndOutlinesLightTheirOwnPixels) {
    setColour(LUI_COLOR_BLACK);
    line(20, 20, 10, 0);
    outlineRect(LUI_COLOR_BLACK, 40, 40, 49, 49);
    triangle(100, 100, 120, 100, 110, 110, 0.0f);
    grab();
    EXPECT_EQ(darkPixels(20, 20, 30, 21), 10);
    EXPECT_EQ(darkPixels(0, 19, kSize, 20) + darkPixels(0, 21, kSize, 22), 0);
    // A 10x10 outline: 36 pixels on its border, none inside.
    EXPECT_EQ(darkPixels(40, 40, 50, 50), 36);
    EXPECT_EQ(darkPixels(41, 41, 49, 49), 0);
    EXPECT_GT(darkPixels(100, 100, 121, 111), 80);
}

TEST(FontMetrics, HeightsAdvancesAndRoles) {
    // Ids out of range fall back to the 8x8 font.
    for (int id : {0, -3, 48}) {
        EXPECT_EQ(fontHeight(id), 8);
        EXPECT_EQ(textWidth(id, "abc"), 24);
    }
    // The default font is fixed at 6 pixels a character; ids 37-41 at 14/16 of the size.
    EXPECT_EQ(textWidth(kDefaultFont, "Hello, world"), 72);
    EXPECT_EQ(textWidth(39, "ab"), 21);
    // The inset font and the texture fonts are proportional.
    for (int id : {1, 9, 44})
        EXPECT_LT(textWidth(id, "iii"), textWidth(id, "mmm")) << id;
    EXPECT_EQ(textWidth(kDefaultFont, nullptr), 0);
    EXPECT_EQ(charWidth(kDefaultFont, 200), 0);
    EnsureGlWindow();
    EXPECT_EQ(textWidth(2, "abcd"), 32);

    // Roles out of range are ignored.
    setFontForRole(-1, 6);
    setFontForRole(kFontRoleCount, 6);
    EXPECT_EQ(fontForRole(-1), kDefaultFont);
    EXPECT_EQ(fontForRole(kFontRoleCount - 1), kDefaultFont);
}

TEST(TextBox, StartsInsetOnTheFirstBaselineCutsLinesAndStopsAtTheBottom) {
    // Characters 5 wide from x 3, lines 10 high with tops at 0, 10, 20.
    const std::tuple<const char*, int, int, bool, const char*> rows[] = {
        {"a\007b\nc", 1000, 1000, true, "ab"},
        {"abcdefgh ij\nkl", 23, 1000, false, "abcdkl"},
        {"abcdefgh\nkl", 23, 1000, true, "abcd"},
        {"a\nb\nc\nd", 1000, 20, false, "ab"},
        {"a", 1000, 0, false, ""},
        {nullptr, 1000, 1000, false, ""}};
    for (auto [text, maxX, maxY, singleLine, drawn] : rows)
        EXPECT_EQ(placedText(layout(text, maxX, maxY, singleLine)), drawn)
            << (text ? text : "null");
    EXPECT_EQ(
        layoutTextBox(fakeAdvance, 10, "ab\tc\nd", 20, 30, 1000, 1000, false).chars,
        (std::vector<PlacedChar>{{'a', 23, 40}, {'b', 28, 40}, {'c', 45, 40}, {'d', 23, 50}}));
    EXPECT_EQ(layout("abcdefgh ij\nkl", 23).chars[4], (PlacedChar{'k', 3, 20}));
    const TextBoxLayout bell = layout("a\007b", 1000, 1000, true);
    EXPECT_EQ(bell.bells, 1);
    EXPECT_EQ(bell.chars[1].x, 8); // the bell takes no room
}

TEST_F(FrameTest, EveryFontKindPutsInkWhereTheTextIs) {
    // 8x8 fallback and inset, GLUT 8x13, Helvetica 12 and Times 24, texture
    // sans, mono (the default), extended and serif italic.
    for (int font : {0, 1, 2, 5, 47, 9, 29, 39, 46}) {
        SCOPED_TRACE(font);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(0, 0, 0);
        const int x = 20, y = 40;
        drawText(font, "HIHI", x, y);
        grab();
        const int width = textWidth(font, "HIHI");
        const int height = fontHeight(font);
        // GLUT fonts start 3 pixels in, through the text box.
        const int inset = fontKind(font) == FontKind::Glut ? 3 : 0;
        // Italics lean a pixel or two past their advance.
        const int ink = darkPixels(x + inset, y, x + inset + width + 2, y + height);
        EXPECT_GT(ink, 4 * height) << "width " << width;
        EXPECT_EQ(darkPixels(0, 0, kSize, kSize), ink) << "ink outside the text's box";
    }
}

TEST_F(FrameTest, DefaultFontIsSolidInTheSchemeColourAndDrawCharAdvancesThePen) {
    // Scheme colours carry alpha 0.5; text still comes out solid.
    setColour(LUI_COLOR_WINDOW_TEXT);
    drawText(kDefaultFont, "HHHH", 20, 20);
    glPushMatrix();
    translate(20, 60);
    for (char c : std::string("HHHH"))
        drawChar(kDefaultFont, c);
    glPopMatrix();
    grab();
    // An H of the 12-pixel mono face: two full-height stems per glyph,
    // drawn in solid pixels rather than smeared over neighbouring columns.
    const int solid = darkPixels(20, 20, 44, 32, 100);
    const int soft = darkPixels(20, 20, 44, 32, 160) - solid;
    EXPECT_GE(solid, 4 * 2 * 7);
    EXPECT_LT(soft, solid / 4);
    EXPECT_EQ(darkPixels(20, 60, 44, 72, 100), solid);
    EXPECT_EQ(darkPixels(38, 60, 44, 72, 100), darkPixels(38, 20, 44, 32, 100));
}

TEST_F(FrameTest, BitmapFontsComplainUntilLoaded) {
    releaseFonts();
    testing::internal::CaptureStdout();
    drawText(0, "abc", 10, 10);
    drawChar(1, 'a');
    const std::string out = testing::internal::GetCapturedStdout();
    loadFonts();
    EXPECT_EQ(out, "Error: font has not been initialised\nError: font has not been initialised\n");
    grab();
    EXPECT_EQ(darkPixels(0, 0, kSize, kSize), 0);
}

TEST(Icons, EveryIconHasItsOwnArtwork) {
    std::set<std::vector<uint8_t>> seen;
    for (int id : {int{ICON_NONE}, -1, kIconCount}) {
        EXPECT_EQ(iconSize(id), 0);
        EXPECT_TRUE(iconPixels(id).empty());
    }
    for (int id = 1; id < kIconCount; ++id) {
        const std::vector<uint8_t> pixels = iconPixels(id);
        const int size = iconSize(id);
        ASSERT_TRUE(size == 16 || size == 32) << id;
        ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size * 4)) << id;
        int opaque = 0;
        for (size_t i = 3; i < pixels.size(); i += 4)
            opaque += pixels[i] >= 128;
        EXPECT_GE(opaque, 8) << kIconNames[id];
        EXPECT_TRUE(seen.insert(pixels).second) << kIconNames[id] << " looks like another icon";
    }
}

class IconFrameTest : public FrameTest {
  protected:
    // Draws the icon with its lower-left corner at (x, y) and checks every
    // opaque pixel of its artwork landed in place.
    void expectDrawnInPlace(int id, int x, int y) {
        SCOPED_TRACE(kIconNames[id]);
        glClear(GL_COLOR_BUFFER_BIT);
        drawIcon(id, x, y);
        grab();
        const int size = iconSize(id);
        const std::vector<uint8_t> art = iconPixels(id);
        int mismatches = 0;
        for (int row = 0; row < size; ++row)
            for (int col = 0; col < size; ++col) {
                const uint8_t* a = &art[(static_cast<size_t>(row) * size + col) * 4];
                if (a[3] != 255) continue;
                const Pixel p = pixel(x + col, y - size + row);
                if (std::abs(p.r - a[0]) > 2 || std::abs(p.g - a[1]) > 2 ||
                    std::abs(p.b - a[2]) > 2)
                    ++mismatches;
            }
        EXPECT_EQ(mismatches, 0);
        // Nothing outside the icon's square.
        const int everything = darkPixels(0, 0, kSize, kSize, 250);
        EXPECT_EQ(darkPixels(x, y - size, x + size, y, 250), everything);
    }
};

TEST_F(IconFrameTest, EachStorageFormDrawsAtItsLowerLeftCornerAndUnknownOrUnloadedOnesNothing) {
    glColor4f(0.2f, 0.4f, 0.6f, 0.5f);
    for (auto [id, x, y] : {std::tuple{int{ICON_CLOSE}, 40, 100},
                            {ICON_SAVE, 41, 77},
                            {ICON_CAMERA, 100, 150},
                            {ICON_SMALL_MY_DOCUMENTS, 10, 30},
                            {ICON_UP_FOLDER, 200, 240}})
        expectDrawnInPlace(id, x, y);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[1], 0.4f);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    glClear(GL_COLOR_BUFFER_BIT);
    for (int id : {int{ICON_NONE}, kIconCount, -4})
        drawIcon(id, 50, 50);
    releaseIconTextures(); // textured icons wait for their textures
    drawIcon(ICON_UP_FOLDER, 50, 50);
    createIconTextures();
    grab();
    EXPECT_EQ(darkPixels(0, 0, kSize, kSize, 255), 0);
}
