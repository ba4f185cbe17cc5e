// The colour scheme, the scissor stack and the panels as they come out on screen.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "frame_fixture.h"
#include "script/script_host.h"
#include "ui/draw.h"

using namespace ui;

namespace {

void expectNear(Pixel actual, Rgb expected, const char* where) {
    auto byte = [](float value) { return std::lround(std::clamp(value, 0.f, 1.f) * 255); };
    EXPECT_NEAR(actual.r, byte(expected.r), 2) << where;
    EXPECT_NEAR(actual.g, byte(expected.g), 2) << where;
    EXPECT_NEAR(actual.b, byte(expected.b), 2) << where;
}

Rgb offset(Rgb c, float d) {
    return {c.r + d, c.g + d, c.b + d};
}

ClipBox scissorBox() {
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    return {box[0], box[1], box[2], box[3]};
}

} // namespace

TEST(ColourScheme, StoresOnlyItsOwnEntriesAndNamesThemForScripts) {
    resetColours();
    storeColour(kColourCount, 0.25f, 0.5f, 0.75f);
    storeColour(-1, 0.25f, 0.5f, 0.75f);
    EXPECT_FLOAT_EQ(getColour(LUI_COLOR_HIGHLIGHT).r, 0.89f);

    lua_State* state = luaL_newstate();
    ASSERT_EQ(RunString(state, colourConstantScript()), 0);
    for (int i = 0; i < kColourCount; ++i) {
        lua_getglobal(state, kColourNames[i]);
        EXPECT_EQ(lua_tointeger(state, -1), i) << kColourNames[i];
        lua_pop(state, 1);
    }
    lua_close(state);
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
    EXPECT_EQ(outside.width, 0);
    EXPECT_EQ(outside.height, 0);
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
