// Buttons, arrow buttons, icon buttons and check boxes: clicks, sizes and looks.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "frame_fixture.h"
#include "ink_box.h"
#include "toolkit_fixture.h"
#include "ui/arrow_button.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/icon_button.h"
#include "ui/icons.h"

using namespace ui;

namespace {

std::string commandLog;

int logCommand(Control* control) {
    commandLog += std::string(control->name) + " " + std::to_string(getInt(control)) + "\n";
    return 0;
}

class ButtonInput : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        commandLog.clear();
    }
    // A control of `type` at (100, 100), 80x25, logging its command.
    Control* make(int type, const char* name) {
        Control* control = createControl(type, name);
        setPosition(control, 100, 100);
        static_cast<Callback*>(control->data)->setNative(logCommand);
        return control;
    }
};

TEST_F(ButtonInput, OnlyAReleaseOverTheButtonThatWasPressedRunsItsCommand) {
    Control* button = make(LUI_BUTTON, "b");
    press(110, 110);
    EXPECT_EQ(getInt(button), 1);
    sendDrag(300, 300);
    EXPECT_EQ(getInt(button), 0) << "pops out when the pointer leaves";
    sendDrag(180, 125); // the far edges count as inside
    EXPECT_EQ(getInt(button), 1);
    sendDrag(181, 110);
    release(181, 110);
    EXPECT_EQ(commandLog, "") << "released outside";
    EXPECT_EQ(capturedControl(), nullptr);

    click(150, 110);
    sendButton(2, kButtonDown, 150, 110); // any mouse button
    sendButton(2, kButtonUp, 150, 110);
    EXPECT_EQ(commandLog, "b 0\nb 0\n");

    // A press elsewhere released over the button is no click of the button.
    release(150, 110);
    EXPECT_EQ(commandLog, "b 0\nb 0\n");
    EXPECT_EQ(eventLog, "hook button 0,1 @181,110\n");
}

TEST_F(ButtonInput, ArrowAndIconButtonsClickLikeButtons) {
    Control* arrow = make(LUI_ARROW_BUTTON, "a");
    setStyle(arrow, LUI_LEFT);
    click(120, 110);
    destroyControl(arrow);
    Control* icon = make(LUI_ICON_BUTTON, "i");
    setIconButtonIcon(icon, ICON_SAVE);
    press(120, 110);
    EXPECT_EQ(getInt(icon), 1);
    release(120, 110);
    EXPECT_EQ(commandLog, "a 0\ni 0\n");
    EXPECT_EQ(iconButtonIcon(icon), ICON_SAVE);
    EXPECT_EQ(iconButtonIcon(make(LUI_BUTTON, "notAnIconButton")), 0);
}

TEST_F(ButtonInput, CheckBoxesToggleOnAReleaseOverThemAndRunTheirCommand) {
    Control* box = make(LUI_CHECKBOX, "c");
    EXPECT_EQ(box->style, kCheckBoxFlat);
    click(110, 110);
    click(110, 110);
    click(110, 110);
    press(110, 110);
    release(400, 110);
    EXPECT_EQ(commandLog, "c 1\nc 0\nc 1\n");
    EXPECT_EQ(getInt(box), 1);
    setInt(box, 5);
    EXPECT_EQ(getInt(box), 1);
    setInt(box, 0);
    EXPECT_EQ(getInt(box), 0);
}

TEST_F(ButtonInput, SizesStopAtEachTypesSmallest) {
    // The caption font is 6 pixels a character and 12 high.
    const std::tuple<const char*, int, const char*, int, int> rows[] = {
        {"button", LUI_BUTTON, "Hello", 5 * 6 + 4, 12 + 4},
        {"arrow button", LUI_ARROW_BUTTON, "Hello", 10, 10},
        {"check box", LUI_CHECKBOX, "abc", 3 * 6 + 28, 16 + 10},
        {"icon button without an icon", LUI_ICON_BUTTON, "Hello", 4, 4},
    };
    for (auto [name, type, label, width, height] : rows) {
        Control* control = createControl(type, nullptr);
        setLabel(control, label);
        setSize(control, 1, 1);
        EXPECT_EQ(std::tie(control->width, control->height), std::tie(width, height)) << name;
    }
    Control* icon = createControl(LUI_ICON_BUTTON, nullptr);
    for (auto [id, side] : {std::tuple{int{ICON_CLOSE}, 20}, {ICON_CAMERA, 36}}) {
        setIconButtonIcon(icon, id);
        setSize(icon, 1, 1);
        EXPECT_EQ(std::tie(icon->width, icon->height), std::tie(side, side)) << kIconNames[id];
    }
}

// ---- Looks ------------------------------------------------------------------

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

TEST_F(ButtonFrame, IconButtonsCentreTheirIconAndLiftItWhenHovered) {
    Control* button = make(LUI_ICON_BUTTON, 20, 20, 60, 50);
    setIconButtonIcon(button, ICON_FOLDER);
    drawAlone(button);
    // The icon is what differs from the face inside the bevel.
    const InkBox icon = boxUnlike(*this, pixel(21, 21), 21, 21, 79, 69);
    EXPECT_GE(icon.left, 20 + 30 - 16);
    EXPECT_LE(icon.right, 20 + 30 + 15);
    EXPECT_GE(icon.top, 20 + 25 - 16);
    EXPECT_LE(icon.bottom, 20 + 25 + 15);
    button->hovered = 1;
    drawAlone(button);
    const InkBox lifted = boxUnlike(*this, pixel(21, 21), 21, 21, 79, 69);
    EXPECT_EQ(std::tuple(lifted.left, lifted.top), std::tuple(icon.left - 1, icon.top - 1));
}

TEST_F(ButtonFrame, CheckBoxesShowTheirStateInTheIconAndAFlatOrBevelledFace) {
    Control* box = make(LUI_CHECKBOX, 20, 150, 120, 26);
    setLabel(box, "HI");
    drawAlone(box);
    expectShade(pixel(21, 160), getColour(LUI_COLOR_LIGHT_GREY), 0, "flat outline");
    std::vector<Pixel> unchecked;
    for (int y = 150; y < 176; ++y)
        for (int x = 20; x < 140; ++x)
            unchecked.push_back(pixel(x, y));
    // Right of the icon and inside the outline.
    const InkBox caption = inkBox(*this, 41, 152, 138, 174);
    EXPECT_GT(caption.count, 0);
    EXPECT_GE(caption.left, 20 + 24);

    setInt(box, 1);
    drawAlone(box);
    // Checking changes the icon's square, with its lower-left corner at
    // (5, height / 2 + 8), and nothing else.
    int changed = 0, changedOutside = 0;
    for (int y = 150; y < 176; ++y)
        for (int x = 20; x < 140; ++x) {
            const Pixel before = unchecked[(y - 150) * 120 + (x - 20)], now = pixel(x, y);
            if (std::tie(before.r, before.g, before.b) == std::tie(now.r, now.g, now.b)) continue;
            ++changed;
            if (x < 25 || x >= 41 || y < 150 + 13 + 8 - 16 || y >= 150 + 13 + 8) ++changedOutside;
        }
    EXPECT_GT(changed, 4);
    EXPECT_EQ(changedOutside, 0);

    setStyle(box, kCheckBoxBevelled);
    drawAlone(box);
    expectShade(pixel(60, 150), getColour(LUI_COLOR_3D_OBJECTS), -0.3f, "sunken when checked");
}

} // namespace
