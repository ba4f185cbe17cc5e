// Sliders: the rules that keep a range consistent, a vertical slider under
// the pointer, and where the handle is drawn. Horizontal drags and slider
// groups are driven from scripts (range_scripts_test.cpp).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>

#include "control_frame.h"
#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/slider.h"

using namespace ui;

namespace {

// "minimum maximum step value default"
template <typename Number> std::string numbers(const SliderRange<Number>& range) {
    std::ostringstream out;
    out << range.minimum << " " << range.maximum << " " << range.step << " " << range.value << " "
        << range.defaultValue;
    return out.str();
}

TEST(SliderRange, EachSetterKeepsValueAndDefaultInsideTheRange) {
    using Change = std::function<void(SliderRange<float>&)>;
    const struct {
        const char* name;
        Change change;
        const char* expected;
    } rows[] = {
        {"value clamps", [](auto& r) { r.setValue(7); }, "0 1 0.25 1 0.5"},
        {"minimum above the maximum drags it up", [](auto& r) { r.setMinimum(2); }, "2 2 0.25 2 2"},
        {"maximum below the minimum drags it down", [](auto& r) { r.setMaximum(-3); },
         "-3 -3 0.25 -3 -3"},
        {"default outside widens the range", [](auto& r) { r.setDefault(-2); },
         "-2 1 0.25 0.75 -2"},
        {"negative step reads positive", [](auto& r) { r.setStep(-0.5f); }, "0 1 0.5 0.75 0.5"},
        {"not-a-number changes nothing",
         [](auto& r) { r.setValue(NAN), r.setMinimum(NAN), r.setMaximum(NAN), r.setDefault(NAN); },
         "0 1 0.25 0.75 0.5"},
    };
    for (const auto& row : rows) {
        SliderRange<float> range{.maximum = 1, .step = 0.25f, .value = 0.75f, .defaultValue = 0.5f};
        row.change(range);
        EXPECT_EQ(numbers(range), row.expected) << row.name;
    }
    SliderRange<int> ints{};
    ints.setStep(INT_MIN);
    EXPECT_EQ(ints.step, INT_MAX);
    EXPECT_EQ(ints.position(), 0.0); // an empty range puts the handle at the start
}

TEST(SliderRange, PointerPositionsMapOntoTheGrooveAndIntSlidersTruncateTowardZero) {
    // A 28-pixel groove: 4-pixel margins, 20 pixels of travel.
    const struct {
        const char* name;
        int minimum, maximum, pointer, length, value;
    } rows[] = {
        {"-8.5 truncates to -8", -10, 0, 7, 28, -8},
        {"right of the groove clamps", 0, 10, 500, 28, 10},
        {"a groove with no travel divides by nothing", 0, 10, 5, 8, 10},
        {"the widest range does not overflow", INT_MIN, INT_MAX, 24, 28, INT_MAX},
    };
    for (const auto& row : rows) {
        SliderRange<int> range{.minimum = row.minimum, .maximum = row.maximum};
        range.setFromPointer(row.pointer, row.length);
        EXPECT_EQ(range.value, row.value) << row.name;
    }
    // Script numbers beyond int saturate on the int slider.
    Control* slider = createControl(LUI_INT_SLIDER, "ints");
    setSliderMaximum(slider, 1e12);
    EXPECT_EQ(sliderMaximum(slider), INT_MAX);
    destroyControl(slider);
}

int commands = 0;

class SliderInput : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        commands = 0;
    }
};

TEST_F(SliderInput, VerticalPressOffTheHandleJumpsThereOnTheHandleDoesNot) {
    // 208 high at (100, 100): each pixel from y 104 is 0.005.
    Control* slider = createControl(LUI_FLOAT_SLIDER, "s");
    setSliderHorizontal(slider, false);
    setPosition(slider, 100, 100);
    setSize(slider, 25, 208);
    sliderCommand(slider)->setNative([](Control*) { return ++commands; });
    click(110, 100 + 104); // on the handle (y 99 to 109 at value 0.5)
    EXPECT_FLOAT_EQ(getFloat(slider), 0.5);
    EXPECT_EQ(commands, 0);
    press(110, 100 + 154);
    EXPECT_FLOAT_EQ(getFloat(slider), 0.75);
    sendDrag(400, 100 + 54); // only y counts
    EXPECT_FLOAT_EQ(getFloat(slider), 0.25);
    EXPECT_EQ(commands, 2);
}

// Scripts can destroy or move a group's parts: the others go on.
TEST_F(SliderInput, AGroupWhoseFieldIsGoneStillLetsItsSliderMove) {
    Control* group = createControl(LUI_FLOAT_SLIDER_GRP, "group");
    setPosition(group, 100, 300);
    Control* groupSlider = group->children[2];
    destroyControl(group->children[1]);
    // The slider: 103 wide at (79, 2) in the group; 95 pixels of travel.
    dragAlong({{100 + 90, 310}, {100 + 79 + 4 + 19, 310}});
    EXPECT_FLOAT_EQ(getFloat(groupSlider), 0.2f);
    attachChild(rootControl(), groupSlider);
    setPosition(groupSlider, 100, 500);
    dragAlong({{110, 510}, {100 + 4 + 38, 510}});
    EXPECT_FLOAT_EQ(getFloat(groupSlider), 0.4f);
}

class SliderDrawing : public ControlFrameTest {};

TEST_F(SliderDrawing, TheHandleSitsWhereTheValueLiesAlongTheGroove) {
    // 208 long: the handle starts at 200 t - 1 and is 10 pixels long.
    Control* horizontal = createControl(LUI_FLOAT_SLIDER, "h");
    setPosition(horizontal, 10, 10);
    setSize(horizontal, 208, 24);
    setSliderValue(horizontal, 0.25);
    Control* vertical = createControl(LUI_INT_SLIDER, "v");
    setSliderHorizontal(vertical, false);
    setPosition(vertical, 10, 40);
    setSize(vertical, 24, 208);
    setSliderValue(vertical, 100);
    render();

    // Light pixels along the black groove: the handle (the face is light too
    // past the groove's ends).
    auto lightRun = [this](int x, int y, int dx, int dy, int steps) {
        std::pair<int, int> run{-1, -1};
        for (int i = 0; i < steps; ++i, x += dx, y += dy)
            if (pixel(x, y).r > 128) run = {run.first < 0 ? i : run.first, i + 1};
        return run;
    };
    EXPECT_EQ(lightRun(14, 22, 1, 0, 200), std::make_pair(49 - 4, 59 - 4));
    EXPECT_EQ(darkPixels(14, 16, 15, 28), 12); // the 12-pixel end ticks
    EXPECT_EQ(darkPixels(214, 16, 215, 28), 12);
    // At its maximum the vertical handle ends a pixel past the groove.
    EXPECT_EQ(lightRun(22, 44, 0, 1, 206), std::make_pair(199 - 4, 209 - 4));
}

} // namespace
