// Sliders: the rules that keep a range consistent, pressing and dragging
// horizontal and vertical sliders, and where the handle is drawn.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>

#include "control_frame.h"
#include "toolkit_fixture.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/slider.h"

using namespace ui;

namespace {

// ---- Range rules -------------------------------------------------------------

struct Numbers {
    double minimum, maximum, step, value, defaultValue;
};

template <typename Number> Numbers numbers(const SliderRange<Number>& range) {
    return {double(range.minimum), double(range.maximum), double(range.step), double(range.value),
            double(range.defaultValue)};
}

void expectNumbers(const Numbers& got, const Numbers& want) {
    EXPECT_DOUBLE_EQ(got.minimum, want.minimum);
    EXPECT_DOUBLE_EQ(got.maximum, want.maximum);
    EXPECT_DOUBLE_EQ(got.step, want.step);
    EXPECT_DOUBLE_EQ(got.value, want.value);
    EXPECT_DOUBLE_EQ(got.defaultValue, want.defaultValue);
}

TEST(SliderRange, EachSetterKeepsValueAndDefaultInsideTheRange) {
    const struct {
        const char* name;
        std::function<void(SliderRange<float>&)> change;
        Numbers expected; // minimum, maximum, step, value, default
    } rows[] = {
        {"value above the maximum", [](auto& r) { r.setValue(7); }, {0, 1, 0.25, 1, 0.5}},
        {"value below the minimum", [](auto& r) { r.setValue(-7); }, {0, 1, 0.25, 0, 0.5}},
        {"minimum above the maximum drags maximum, default and value up",
         [](auto& r) { r.setMinimum(2); },
         {2, 2, 0.25, 2, 2}},
        {"maximum below the minimum drags minimum, default and value down",
         [](auto& r) { r.setMaximum(-3); },
         {-3, -3, 0.25, -3, -3}},
        {"maximum inside the range keeps the minimum",
         [](auto& r) { r.setMaximum(0.6f); },
         {0, 0.6f, 0.25, 0.6f, 0.5}},
        {"default above the range widens it",
         [](auto& r) { r.setDefault(5); },
         {0, 5, 0.25, 0.75, 5}},
        {"default below the range widens it",
         [](auto& r) { r.setDefault(-2); },
         {-2, 1, 0.25, 0.75, -2}},
        {"negative step reads back positive",
         [](auto& r) { r.setStep(-0.5f); },
         {0, 1, 0.5, 0.75, 0.5}},
        {"not-a-number changes nothing",
         [](auto& r) {
             r.setValue(NAN), r.setMinimum(NAN), r.setMaximum(NAN), r.setDefault(NAN);
             r.setStep(NAN);
         },
         {0, 1, 0.25, 0.75, 0.5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SliderRange<float> range{
            .minimum = 0, .maximum = 1, .step = 0.25f, .value = 0.75f, .defaultValue = 0.5f};
        row.change(range);
        expectNumbers(numbers(range), row.expected);
    }
}

TEST(SliderRange, PointerPositionsMapOntoTheGrooveAndIntSlidersTruncateTowardZero) {
    // A 28-pixel groove: 4-pixel margins, 20 pixels of travel.
    const struct {
        const char* name;
        int minimum, maximum, pointer, length, value;
    } rows[] = {
        {"start of the groove", 0, 10, 4, 28, 0},
        {"end of the groove", 0, 10, 24, 28, 10},
        {"1.5 truncates to 1", 0, 10, 7, 28, 1},
        {"-8.5 truncates to -8", -10, 0, 7, 28, -8},
        {"left of the groove clamps", 0, 10, -50, 28, 0},
        {"right of the groove clamps", 0, 10, 500, 28, 10},
        {"a groove with no travel divides by nothing", 0, 10, 5, 8, 10},
        {"the widest int range does not overflow", INT_MIN, INT_MAX, 24, 28, INT_MAX},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SliderRange<int> range{.minimum = row.minimum, .maximum = row.maximum};
        range.setFromPointer(row.pointer, row.length);
        EXPECT_EQ(range.value, row.value);
    }
    SliderRange<float> floats{.minimum = 0, .maximum = 2};
    floats.setFromPointer(9, 28);
    EXPECT_FLOAT_EQ(floats.value, 0.5f);
}

TEST(SliderRange, IntStepOfTheLowestIntIsTheHighestAndAnEmptyRangeSitsAtTheStart) {
    SliderRange<int> range{};
    range.setStep(INT_MIN);
    EXPECT_EQ(range.step, INT_MAX);
    range.setStep(-3);
    EXPECT_EQ(range.step, 3);
    EXPECT_EQ(range.position(), 0.0);
}

// ---- Controls --------------------------------------------------------------

int commands = 0;

class SliderInput : public ToolkitTest {
  protected:
    Control* slider = nullptr;

    // A float slider on the desktop at (100, 100), 208 wide: the pointer
    // travels 200 pixels from x 104, so each pixel is 0.005.
    void SetUp() override {
        ToolkitTest::SetUp();
        commands = 0;
        slider = createControl(LUI_FLOAT_SLIDER, "s");
        setPosition(slider, 100, 100);
        setSize(slider, 208, 25);
        sliderCommand(slider)->setNative([](Control*) { return ++commands; });
    }
};

TEST(SliderDefaults, FloatAndIntSlidersStartAsDocumented) {
    Control* floats = createControl(LUI_FLOAT_SLIDER, nullptr);
    Control* ints = createControl(LUI_INT_SLIDER, nullptr);
    EXPECT_EQ(floats->name, std::string("luiFloatSlider1"));
    EXPECT_EQ(controlType(ints), LUI_INT_SLIDER);
    for (Control* slider : {floats, ints}) {
        EXPECT_EQ(std::tie(slider->x, slider->y, slider->width, slider->height),
                  std::make_tuple(10, 10, 80, 25));
        EXPECT_EQ(slider->style, kLabelRight);
        EXPECT_TRUE(sliderHorizontal(slider));
    }
    expectNumbers({sliderMinimum(floats), sliderMaximum(floats), sliderStep(floats),
                   sliderValue(floats), sliderDefault(floats)},
                  {0, 1, 0.01f, 0.5, 0});
    expectNumbers({sliderMinimum(ints), sliderMaximum(ints), sliderStep(ints), sliderValue(ints),
                   sliderDefault(ints)},
                  {0, 100, 1, 50, 0});
    // Integers given to the int slider lose their fraction and stay inside int.
    setSliderMaximum(ints, 1e12);
    setSliderValue(ints, -2.9);
    EXPECT_EQ(sliderMaximum(ints), INT_MAX);
    EXPECT_EQ(getInt(ints), 0);
    setSliderMinimum(ints, -7.9);
    setSliderValue(ints, -2.9);
    EXPECT_EQ(getInt(ints), -2);
    setFloat(floats, 0.25f);
    EXPECT_EQ(getFloat(floats), 0.25);
    destroyControl(floats);
    destroyControl(ints);
}

TEST_F(SliderInput, HorizontalPressOnlyTakesThePointerDragsSetTheValueAndReleaseLetsGo) {
    press(130, 110);
    EXPECT_EQ(capturedControl(), slider);
    EXPECT_FLOAT_EQ(getFloat(slider), 0.5);
    EXPECT_EQ(commands, 0);

    sendDrag(154, 300); // only x counts on a horizontal slider
    EXPECT_FLOAT_EQ(getFloat(slider), 0.25);
    sendDrag(900, 110);
    EXPECT_FLOAT_EQ(getFloat(slider), 1);
    EXPECT_EQ(commands, 2);

    eventLog.clear();
    release(900, 110);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(eventLog, "hook button 0,1 @900,110\n"); // the release is not claimed
    sendDrag(120, 110);
    EXPECT_FLOAT_EQ(getFloat(slider), 1);
    EXPECT_EQ(commands, 2);
}

TEST_F(SliderInput, VerticalPressOffTheHandleJumpsThereOnTheHandleDoesNot) {
    setSliderHorizontal(slider, false);
    setSize(slider, 25, 208);
    // Value 0.5: the handle spans y 99 to 109 below the slider's top.
    press(110, 100 + 104);
    release(110, 100 + 104);
    EXPECT_FLOAT_EQ(getFloat(slider), 0.5);
    EXPECT_EQ(commands, 0);

    press(110, 100 + 154);
    EXPECT_FLOAT_EQ(getFloat(slider), 0.75);
    EXPECT_EQ(commands, 1);
    sendDrag(400, 100 + 54); // only y counts on a vertical slider
    EXPECT_FLOAT_EQ(getFloat(slider), 0.25);
    release(400, 154);
    EXPECT_EQ(commands, 2);
}

TEST_F(SliderInput, DragsThatBeganElsewhereAndOtherButtonsLeaveItAlone) {
    press(50, 50); // empty desktop: the shell's press
    sendDrag(150, 110);
    sendDrag(250, 110);
    release(250, 110);
    sendButton(2, kButtonDown, 150, 110);
    sendDrag(250, 110);
    sendButton(2, kButtonUp, 250, 110);
    EXPECT_FLOAT_EQ(getFloat(slider), 0.5);
    EXPECT_EQ(commands, 0);
    EXPECT_EQ(capturedControl(), nullptr);
}

// A group's parts can be destroyed or moved by scripts: the others go on.
TEST_F(SliderInput, AGroupWhoseFieldIsGoneStillLetsItsSliderMove) {
    Control* group = createControl(LUI_FLOAT_SLIDER_GRP, "group");
    setPosition(group, 100, 300);
    Control* groupSlider = group->children[2];
    destroyControl(group->children[1]);
    // The slider: 103 wide at (79, 2) in the group; 95 pixels of travel.
    dragAlong({{100 + 90, 310}, {100 + 79 + 4 + 19, 310}});
    EXPECT_FLOAT_EQ(getFloat(groupSlider), 0.2f);
    attachChild(rootControl(), groupSlider);
    setPosition(groupSlider, 0, 500);
    dragAlong({{10, 510}, {4 + 38, 510}});
    EXPECT_FLOAT_EQ(getFloat(groupSlider), 0.4f);
}

// ---- Drawing ---------------------------------------------------------------

class SliderDrawing : public ControlFrameTest {};

// Along the groove's row, the run of pixels the handle covers.
std::pair<int, int> handleSpan(const FramePixels& frame, int row, int from, int to) {
    int first = -1, last = -1;
    for (int x = from; x < to; ++x) {
        Pixel p = frame.pixel(x, row);
        if (p.r > 128) {
            if (first < 0) first = x;
            last = x;
        }
    }
    return {first, last + 1};
}

TEST_F(SliderDrawing, TheHandleSitsWhereTheValueLiesAlongTheGroove) {
    // 208 wide: the handle starts at 200 t - 1 and is 10 pixels wide.
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

    const int grooveRow = 10 + 12;
    // The groove is black from one end tick to the other but under the handle.
    EXPECT_EQ(handleSpan(*this, grooveRow, 16, 212), std::make_pair(10 + 49, 10 + 59));
    EXPECT_EQ(darkPixels(14, grooveRow - 6, 15, grooveRow + 6), 12); // the left end tick
    EXPECT_EQ(darkPixels(10 + 204, grooveRow - 6, 10 + 205, grooveRow + 6), 12);

    // The vertical slider at its maximum: the handle ends a pixel past the groove.
    int grooveColumn = 10 + 12, top = -1, bottom = -1;
    for (int y = 46; y < 250; ++y)
        if (pixel(grooveColumn, y).r > 128) {
            if (top < 0) top = y;
            bottom = y;
        }
    EXPECT_EQ(top, 40 + 199);
    EXPECT_EQ(bottom + 1, 40 + 209);
}

} // namespace
