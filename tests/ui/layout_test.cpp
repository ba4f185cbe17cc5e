// The group and the frame layout: how they frame their children on screen,
// and the frame's toggle box collapsing it.
#include <gtest/gtest.h>

#include <cmath>

#include "control_frame.h"
#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/frame_layout.h"

using namespace ui;

namespace {

bool looksLike(Pixel p, Rgb c) {
    auto byte = [](float v) { return std::lround(std::fmin(std::fmax(v, 0.f), 1.f) * 255); };
    return std::abs(p.r - byte(c.r)) <= 2 && std::abs(p.g - byte(c.g)) <= 2 &&
           std::abs(p.b - byte(c.b)) <= 2;
}

// What ControlFrameTest clears the frame to.
const Rgb kBackground{0.25f, 0.25f, 0.25f};

using LayoutDrawing = ControlFrameTest;

TEST_F(LayoutDrawing, AGroupShowsARaisedBorderAnInsetFlatBorderAndItsCaptionTab) {
    Control* group = createControl(LUI_GROUP, "group");
    setLabel(group, "Options");
    render();
    // At (10, 10), 300 wide: the raised border's dark right edge lies off the
    // frame, its lit top edge shows beside the caption tab.
    const Rgb face = getColour(LUI_COLOR_3D_OBJECTS);
    EXPECT_TRUE(looksLike(pixel(10, 100), Rgb{1, 1, 1})) << "lit left edge";
    EXPECT_TRUE(looksLike(pixel(13, 100), getColour(LUI_COLOR_LIGHT_GREY))) << "inset flat border";
    EXPECT_TRUE(looksLike(pixel(20, 100), face));
    const int font = fontForRole(1);
    const int tabEnd = 15 + textWidth(font, "Options");
    EXPECT_TRUE(looksLike(pixel(16, 10), face)) << "the tab covers the lit top edge";
    EXPECT_TRUE(looksLike(pixel(tabEnd + 4, 10), Rgb{1, 1, 1}));
    EXPECT_GT(darkPixels(17, 11, tabEnd + 2, 11 + fontHeight(font)), 20) << "caption in black";

    // Each border and the caption has its own style bit.
    setStyle(group, 0x2000);
    setLabel(group, "");
    render();
    EXPECT_TRUE(looksLike(pixel(13, 100), face));
    EXPECT_TRUE(looksLike(pixel(16, 10), Rgb{1, 1, 1}));
    setStyle(group, 0);
    render();
    EXPECT_TRUE(looksLike(pixel(20, 100), kBackground));
}

TEST_F(LayoutDrawing, AFrameShowsItsHeaderAndToggleAndCollapsedDrawsOnlyTheHeader) {
    Control* frame = createControl(LUI_FRAME_LAYOUT, "frame");
    setLabel(frame, "Frame");
    setSize(frame, 200, 150);
    Control* inner = createControl(LUI_GROUP, "inner");
    setPosition(inner, 20, 60);
    setSize(inner, 100, 50);
    const int h = fontHeight(fontForRole(1));
    // The toggle box, h x h at (width - h - 2, 2) in the frame.
    const int boxX = 10 + 200 - h - 2, boxY = 12;
    const auto inkInUpperHalf = [&] { return darkPixels(boxX, boxY, boxX + h, boxY + h / 2); };
    const auto inkInLowerHalf = [&] { return darkPixels(boxX, boxY + h / 2, boxX + h, boxY + h); };

    render();
    EXPECT_TRUE(looksLike(pixel(11, 14), getColour(LUI_COLOR_TITLE1))) << "header gradient";
    int whiteText = 0;
    for (int x = 14; x < 14 + textWidth(fontForRole(1), "Frame"); ++x)
        for (int y = 11; y < 11 + h; ++y)
            whiteText += pixel(x, y).r > 200 && pixel(x, y).b > 200;
    EXPECT_GT(whiteText, 10) << "caption in the title text colour";
    EXPECT_GT(inkInLowerHalf(), inkInUpperHalf()) << "expanded: the triangle points up";
    EXPECT_TRUE(looksLike(pixel(13, 10 + h + 20), getColour(LUI_COLOR_LIGHT_GREY)))
        << "body border";
    EXPECT_TRUE(looksLike(pixel(30, 90), Rgb{1, 1, 1})) << "the child's lit left edge";

    click(boxX + h / 2, boxY + h / 2);
    ASSERT_FALSE(frameExpanded(frame));
    render();
    EXPECT_GT(inkInUpperHalf(), inkInLowerHalf()) << "collapsed: the triangle points down";
    // Drawn h + 4 high: the raised panel's dark bottom edge, then nothing.
    EXPECT_FALSE(looksLike(pixel(100, 10 + h + 3), kBackground));
    EXPECT_TRUE(looksLike(pixel(100, 10 + h + 4), kBackground));
    EXPECT_TRUE(looksLike(pixel(30, 90), kBackground)) << "no child";
}

using FrameLayoutInput = ToolkitTest;

TEST_F(FrameLayoutInput, TheToggleBoxCollapsesTheFrameAndCollapsedItPassesNoClick) {
    Control* frame = createControl(LUI_FRAME_LAYOUT, "frame"); // at (10, 10), 300x200
    makeProbe(frame, "body", 0, 30, 300, 170);
    makeProbe(frame, "underToggle", 280, 0, 20, 20);
    const int toggleX = 10 + 300 - 8, toggleY = 15;
    click(100, 100);
    click(toggleX, toggleY); // collapses: the press goes no further, the release to the desktop
    EXPECT_FALSE(frameExpanded(frame));
    click(100, 100);
    click(toggleX, toggleY); // expands: the children see the press too
    EXPECT_TRUE(frameExpanded(frame));
    EXPECT_EQ(eventLog, "body button 0,0 @90,60\nbody button 0,1 @90,60\n"
                        "hook button 0,1 @302,15\n"
                        "hook button 0,0 @100,100\nhook button 0,1 @100,100\n"
                        "underToggle button 0,0 @12,5\nunderToggle button 0,1 @12,5\n");
}

} // namespace
