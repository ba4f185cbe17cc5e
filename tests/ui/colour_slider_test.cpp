// The colour slider's swatch shows the hue of the slider's value.
#include <gtest/gtest.h>

#include <cmath>

#include "control_frame.h"
#include "ui/colour_slider.h"
#include "ui/control_types.h"

using namespace ui;

namespace {

TEST(HueColour, GoesRoundTheColourWheelAndHoldsOutsideIt) {
    const struct {
        double position;
        float r, g, b;
    } rows[] = {{0, 1, 0, 0},       {1 / 12.0, 1, 0.5f, 0}, {1 / 3.0, 0, 1, 0}, {0.5, 0, 1, 1},
                {5 / 6.0, 1, 0, 1}, {1, 1, 0, 0},           {-3, 1, 0, 0},      {NAN, 1, 0, 0}};
    for (const auto& row : rows) {
        Rgb colour = hueColour(row.position);
        EXPECT_NEAR(colour.r, row.r, 1e-5) << row.position;
        EXPECT_NEAR(colour.g, row.g, 1e-5) << row.position;
        EXPECT_NEAR(colour.b, row.b, 1e-5) << row.position;
    }
}

class ColourSliderTest : public ControlFrameTest {};

TEST_F(ColourSliderTest, TheSwatchShowsTheHueOfTheValueFromZeroToAHundred) {
    Control* colour = createControl(LUI_COLOR_SLIDER, "colour");
    setPosition(colour, 0, 100);
    // 250 wide: the slider is 103 wide at x 79, the swatch 57 wide at x 187.
    auto swatch = [this] {
        render();
        return pixel(187 + 28, 100 + 12);
    };
    EXPECT_TRUE(sameColour(swatch(), {255, 0, 0, 255}));
    dragAlong({{110, 110}, {79 + 4 + 31, 110}}); // 31 of 95 pixels along
    EXPECT_NEAR(getFloat(colour), 100 * 31 / 95.0, 1e-4);
    EXPECT_TRUE(sameColour(swatch(), {11, 255, 0, 255}));
    setFloat(colour, 50);
    EXPECT_TRUE(sameColour(swatch(), {0, 255, 255, 255}));
}

} // namespace
