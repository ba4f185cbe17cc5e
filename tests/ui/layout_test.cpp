// The group and the frame layout on screen: borders, caption tab, header and
// toggle box, and a collapsed frame drawn as its header alone. Clicks on a
// collapsed frame are driven from lists/frame_layout.lua.
#include <gtest/gtest.h>

#include <algorithm>

#include "control_frame.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/fonts.h"

using namespace ui;

namespace {

Pixel byColour(Rgb c) {
    auto byte = [](float v) { return static_cast<uint8_t>(std::min(v, 1.f) * 255 + 0.5f); };
    return {byte(c.r), byte(c.g), byte(c.b)};
}

const Pixel kBackground{64, 64, 64}, kWhite{255, 255, 255};

using LayoutDrawing = ControlFrameTest;

TEST_F(LayoutDrawing, AGroupShowsARaisedBorderAnInsetFlatBorderAndItsCaptionTab) {
    Control* group = createControl(LUI_GROUP, "group"); // at (10, 10), 300x200
    setLabel(group, "Options");
    render();
    const Pixel face = byColour(getColour(LUI_COLOR_3D_OBJECTS));
    EXPECT_TRUE(sameColour(pixel(10, 100), kWhite)) << "the raised border's lit edge";
    EXPECT_TRUE(sameColour(pixel(13, 100), byColour(getColour(LUI_COLOR_LIGHT_GREY))))
        << "the inset flat border";
    const int font = fontForRole(1), tabEnd = 15 + textWidth(font, "Options");
    EXPECT_TRUE(sameColour(pixel(16, 10), face)) << "the tab over the lit top edge";
    EXPECT_TRUE(sameColour(pixel(tabEnd + 4, 10), kWhite));
    EXPECT_GT(darkPixels(17, 11, tabEnd + 2, 11 + fontHeight(font)), 20) << "a black caption";

    // Each part has its own style bit.
    setStyle(group, 0x2000);
    render();
    EXPECT_TRUE(sameColour(pixel(13, 100), face));
    EXPECT_TRUE(sameColour(pixel(16, 10), kWhite));
    setStyle(group, 0);
    render();
    EXPECT_TRUE(sameColour(pixel(20, 100), kBackground));
}

TEST_F(LayoutDrawing, AFrameShowsItsHeaderAndToggleAndCollapsedOnlyTheHeader) {
    Control* frame = createControl(LUI_FRAME_LAYOUT, "frame");
    setLabel(frame, "Frame");
    setSize(frame, 200, 150);
    Control* inner = createControl(LUI_GROUP, "inner");
    setPosition(inner, 20, 60);
    const int h = fontHeight(fontForRole(1));
    // The toggle box, h x h at (width - h - 2, 2) in the frame; the triangle
    // points up while the frame is expanded.
    const int boxX = 10 + 200 - h - 2, boxY = 12;
    const auto inkAbove = [&] { return darkPixels(boxX, boxY, boxX + h, boxY + h / 2); };
    const auto inkBelow = [&] { return darkPixels(boxX, boxY + h / 2, boxX + h, boxY + h); };

    render();
    EXPECT_TRUE(sameColour(pixel(11, 14), byColour(getColour(LUI_COLOR_TITLE1))))
        << "the header's gradient";
    int caption = 0;
    for (int x = 14; x < 14 + textWidth(fontForRole(1), "Frame"); ++x)
        for (int y = 11; y < 11 + h; ++y)
            caption += pixel(x, y).r > 200 && pixel(x, y).b > 200;
    EXPECT_GT(caption, 10) << "the caption in the title text colour";
    EXPECT_GT(inkBelow(), inkAbove());
    EXPECT_TRUE(sameColour(pixel(13, 10 + h + 20), byColour(getColour(LUI_COLOR_LIGHT_GREY))))
        << "the body's flat border";
    EXPECT_TRUE(sameColour(pixel(30, 90), kWhite)) << "the child's lit edge";

    click(boxX + h / 2, boxY + h / 2);
    render();
    EXPECT_GT(inkAbove(), inkBelow());
    // h + 4 high: the raised panel's dark bottom edge, then nothing, no child.
    EXPECT_FALSE(sameColour(pixel(100, 10 + h + 3), kBackground));
    EXPECT_TRUE(sameColour(pixel(100, 10 + h + 4), kBackground));
    EXPECT_TRUE(sameColour(pixel(30, 90), kBackground));
}

} // namespace
