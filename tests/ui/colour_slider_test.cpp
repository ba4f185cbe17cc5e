// The colour slider: its parts, and the swatch showing the hue of the value.
#include <gtest/gtest.h>

#include <cmath>

#include "control_frame.h"
#include "ui/colour_slider.h"
#include "ui/control_types.h"
#include "ui/slider.h"

using namespace ui;

namespace {

TEST(HueColour, GoesRoundTheColourWheelAndHoldsOutsideIt) {
    const struct {
        const char* name;
        double position;
        float r, g, b;
    } rows[] = {
        {"start: red", 0, 1, 0, 0},
        {"a sixth: yellow", 1 / 6.0, 1, 1, 0},
        {"a third: green", 1 / 3.0, 0, 1, 0},
        {"half: cyan", 0.5, 0, 1, 1},
        {"two thirds: blue", 2 / 3.0, 0, 0, 1},
        {"five sixths: magenta", 5 / 6.0, 1, 0, 1},
        {"a twelfth: orange", 1 / 12.0, 1, 0.5f, 0},
        {"end: red again", 1, 1, 0, 0},
        {"below: red", -3, 1, 0, 0},
        {"not a number: red", NAN, 1, 0, 0},
        {"above: red", 7, 1, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Rgb colour = hueColour(row.position);
        EXPECT_NEAR(colour.r, row.r, 1e-5);
        EXPECT_NEAR(colour.g, row.g, 1e-5);
        EXPECT_NEAR(colour.b, row.b, 1e-5);
    }
}

class ColourSliderTest : public ControlFrameTest {};

TEST_F(ColourSliderTest, ALabelASliderFromZeroToAHundredAndASwatchShowingTheValuesHue) {
    Control* colour = createControl(LUI_COLOR_SLIDER, "colour");
    setPosition(colour, 0, 100);
    ASSERT_EQ(colour->children.size(), 3u);
    Control *label = colour->children[0], *slider = colour->children[1],
            *swatch = colour->children[2];
    EXPECT_EQ(controlType(label), LUI_TEXT);
    EXPECT_EQ(label->style, 4u);
    EXPECT_EQ(controlType(swatch), 0); // type 54 reports no type
    EXPECT_EQ(std::make_tuple(sliderMinimum(slider), sliderMaximum(slider), sliderValue(slider)),
              std::make_tuple(0.0, 100.0, 0.0));
    // 250 wide: the swatch takes the last quarter of 230 pixels.
    EXPECT_EQ(std::tie(swatch->x, swatch->y, swatch->width, swatch->height),
              std::make_tuple(187, 2, 57, 21));
    EXPECT_EQ(std::tie(colour->x, colour->y, colour->shown, colour->style),
              std::make_tuple(0, 100, 1, 0x3000u));

    auto swatchPixel = [this] { return pixel(187 + 28, 100 + 12); };
    render();
    EXPECT_TRUE(sameColour(swatchPixel(), {255, 0, 0, 255}));

    // Dragged a third of the way along the slider (79 + 4 + 95 / 3).
    press(110, 110);
    sendDrag(79 + 4 + 95 / 3, 110);
    release(79 + 4 + 95 / 3, 110);
    EXPECT_NEAR(getFloat(colour), 100 * 31 / 95.0, 1e-4);
    render();
    EXPECT_TRUE(sameColour(swatchPixel(), {11, 255, 0, 255}));

    setFloat(colour, 50);
    render();
    EXPECT_TRUE(sameColour(swatchPixel(), {0, 255, 255, 255}));
}

TEST_F(ColourSliderTest, ASwatchPartOutsideAColourSliderDrawsNothing) {
    Control* part = createControl(kColourSliderPartType, "part");
    setSize(part, 40, 40);
    render();
    EXPECT_TRUE(sameColour(pixel(5, 5), {64, 64, 64, 255}));
    EXPECT_EQ(controlType(part), 0);
}

} // namespace
