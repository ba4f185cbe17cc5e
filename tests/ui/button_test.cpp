// How buttons, arrow buttons, icon buttons and check boxes look; their
// clicks and sizes run in controls/pointer.lua.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "frame_fixture.h"
#include "ink_box.h"
#include "ui/arrow_button.h"
#include "ui/check_box.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/icon_button.h"
#include "ui/icons.h"

using namespace ui;

namespace {

class ButtonFrame : public FrameTest {
  protected:
    std::vector<Control*> made;
    void TearDown() override {
        for (Control* control : made)
            destroyControl(control);
        FrameTest::TearDown();
    }
    Control* make(int type, int x, int y, int w, int h) {
        Control* control = createControl(type, nullptr);
        setPosition(control, x, y);
        setSize(control, w, h);
        made.push_back(control);
        return control;
    }
    void drawAlone(Control* control) {
        glClear(GL_COLOR_BUFFER_BIT);
        drawControlAt(control);
        grab();
    }
};

void expectShade(Pixel actual, Rgb colour, float offset, const char* where) {
    auto byte = [offset](float channel) { return std::clamp(channel + offset, 0.f, 1.f) * 255; };
    EXPECT_NEAR(actual.r, byte(colour.r), 2) << where;
    EXPECT_NEAR(actual.g, byte(colour.g), 2) << where;
    EXPECT_NEAR(actual.b, byte(colour.b), 2) << where;
}

TEST_F(ButtonFrame, ButtonsLookRaisedPressedOrHoveredWithTheCaptionCentredALittleHigh) {
    const Rgb face = getColour(LUI_COLOR_3D_OBJECTS);
    Control* button = make(LUI_BUTTON, 20, 100, 100, 25);
    setLabel(button, "HI");
    drawAlone(button);
    expectShade(pixel(60, 100), face, 0.3f, "raised top edge");
    expectShade(pixel(60, 124), face, -0.3f, "raised bottom edge");
    expectShade(pixel(25, 120), face, 0, "face");
    // x = (100 - 12) / 2 - 1, y = 25 / 2 - 12 / 2 - 3.
    const InkBox caption = inkBox(*this, 0, 0, kSize, kSize);
    EXPECT_GE(caption.left, 20 + 43);
    EXPECT_LT(caption.right, 20 + 43 + 12);
    EXPECT_GE(caption.top, 100 + 3);
    EXPECT_LT(caption.bottom, 100 + 3 + 12);

    setInt(button, 1);
    button->hovered = 1;
    drawAlone(button);
    expectShade(pixel(60, 100), face, -0.3f, "pressed top edge");
    expectShade(pixel(60, 124), face, 0.3f, "pressed bottom edge");
    expectShade(pixel(25, 120), getColour(LUI_COLOR_HIGHLIGHT), 0, "hovered face");
    button->hovered = 0;

    setStyle(button, 0);
    drawAlone(button);
    EXPECT_EQ(pixel(25, 120).r, 255) << "a button without the shown style draws nothing";
}

TEST_F(ButtonFrame, EachArrowDirectionDrawsItsSymbolInsideTheInset) {
    Control* arrow = make(LUI_ARROW_BUTTON, 20, 20, 40, 40);
    // Style, a point inside the symbol and one outside it (button coordinates).
    const std::tuple<const char*, uint32_t, int, int, int, int> rows[] = {
        {"left", LUI_LEFT, 8, 20, 8, 6},
        {"right", LUI_RIGHT, 32, 20, 32, 6},
        {"up", LUI_UP, 20, 8, 6, 8},
        {"down", LUI_DOWN, 20, 32, 6, 32},
        {"fast right", LUI_FAST_RIGHT, 22, 10, 16, 6},
        {"fast left", LUI_FAST_LEFT, 18, 10, 24, 6},
        {"stop", LUI_STOP, 33, 33, 2, 2},
        {"pause", LUI_PAUSE, 33, 20, 20, 20},
    };
    for (auto [name, style, inX, inY, outX, outY] : rows) {
        SCOPED_TRACE(name);
        setStyle(arrow, style);
        drawAlone(arrow);
        EXPECT_EQ(darkPixels(20 + inX, 20 + inY, 21 + inX, 21 + inY), 1);
        EXPECT_EQ(darkPixels(20 + outX, 20 + outY, 21 + outX, 21 + outY), 0);
        EXPECT_EQ(darkPixels(20, 20, 60, 60), darkPixels(24, 24, 57, 57)) << "ink outside";
    }
}

TEST_F(ButtonFrame, IconButtonsCentreTheirIcon) {
    Control* button = make(LUI_ICON_BUTTON, 20, 20, 60, 50);
    setIconButtonIcon(button, ICON_FOLDER);
    drawAlone(button);
    // The icon is what differs from the face inside the bevel.
    const InkBox icon = boxUnlike(*this, pixel(21, 21), 21, 21, 79, 69);
    EXPECT_GE(icon.left, 20 + 30 - 16);
    EXPECT_LE(icon.right, 20 + 30 + 15);
    EXPECT_GE(icon.top, 20 + 25 - 16);
    EXPECT_LE(icon.bottom, 20 + 25 + 15);
}

TEST_F(ButtonFrame, CheckBoxesShowTheirStateInTheIconOnAFlatOrBevelledFace) {
    Control* box = make(LUI_CHECKBOX, 20, 150, 120, 26);
    setLabel(box, "HI");
    int inkWhenUnchecked = -1;
    for (int checked : {0, 1}) {
        SCOPED_TRACE(checked);
        setInt(box, checked);
        drawAlone(box);
        expectShade(pixel(21, 160), getColour(LUI_COLOR_LIGHT_GREY), 0, "flat outline");
        // The icon's lower-left corner is at (5, height / 2 + 8); the caption
        // starts at 24. Both lie inside the outline.
        const InkBox icon = boxUnlike(*this, pixel(22, 152), 22, 152, 44, 174);
        EXPECT_GE(icon.left, 25);
        EXPECT_LT(icon.right, 25 + 16);
        EXPECT_GE(icon.top, 150 + 13 + 8 - 16);
        EXPECT_LT(icon.bottom, 150 + 13 + 8);
        const int ink = darkPixels(25, 155, 41, 171);
        EXPECT_NE(ink, inkWhenUnchecked) << "the tick";
        inkWhenUnchecked = ink;
        const InkBox caption = inkBox(*this, 44, 152, 138, 174);
        EXPECT_GT(caption.count, 0);
        EXPECT_EQ(caption.count, inkBox(*this, 41, 152, 138, 174).count);
    }
    setStyle(box, kCheckBoxBevelled);
    drawAlone(box);
    expectShade(pixel(60, 150), getColour(LUI_COLOR_3D_OBJECTS), -0.3f, "sunken when checked");
}

} // namespace
