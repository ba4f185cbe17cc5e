// Font metrics, the text box rules and text as it comes out on screen.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame_fixture.h"
#include "support/gl_window.h"
#include "ui/draw.h"
#include "ui/fonts.h"

using namespace ui;

namespace {

// Every character 5 wide, a space 3, for layout checks.
int fakeAdvance(unsigned char c) {
    return c == ' ' ? 3 : 5;
}

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

TEST(FontMetrics, HeightsAdvancesAndRoles) {
    // Ids out of range fall back to the 8x8 font.
    for (int id : {0, -3, 48}) {
        EXPECT_EQ(fontHeight(id), 8);
        EXPECT_EQ(textWidth(id, "abc"), 24);
    }
    // The default font is fixed at 6 pixels a character; ids 37-41 at 14/16 of the size.
    EXPECT_EQ(textWidth(kDefaultFont, "Hello, world"), 72);
    EXPECT_EQ(textWidth(39, "ab"), 21);
    // The inset font and the proportional texture fonts (whole pixels at 12) add up their widths.
    for (int id : {1, 9, 14, 19, 24, 34, 44}) {
        const char* text = "The quick brown fox";
        int sum = 0;
        for (const char* p = text; *p; ++p)
            sum += charWidth(id, *p);
        EXPECT_EQ(textWidth(id, text), sum) << id;
        EXPECT_LT(charWidth(id, 'i'), charWidth(id, 'm')) << id;
    }
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
    struct Row {
        const char* text;
        int maxX, maxY;
        bool singleLine;
        const char* drawn;
    };
    // Characters 5 wide from x 3, lines 10 high with tops at 0, 10, 20.
    for (const Row& row :
         {Row{"a\007b\nc", 1000, 1000, true, "ab"},
          Row{"abcdefgh ij\nkl", 23, 1000, false, "abcdkl"},
          Row{"abcdefgh\nkl", 23, 1000, true, "abcd"}, Row{"a\nb\nc\nd", 1000, 20, false, "ab"},
          Row{"a", 1000, 0, false, ""}, Row{nullptr, 1000, 1000, false, ""}})
        EXPECT_EQ(placedText(layout(row.text, row.maxX, row.maxY, row.singleLine)), row.drawn)
            << (row.text ? row.text : "null");
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
