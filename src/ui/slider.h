// Float and int sliders: a value kept inside a range, set by dragging a
// handle along a groove, horizontal or vertical.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// The numbers of a slider and the rules that keep them consistent: the value
// and the default never leave [minimum, maximum]; moving one end of the range
// past the other drags the other end along.
template <typename Number> struct SliderRange {
    Number minimum{}, maximum{}, step{}, value{}, defaultValue{};

    void setValue(Number number) {
        if (isNan(number)) return;
        value = std::clamp(number, minimum, maximum);
    }
    void setMinimum(Number number) {
        if (isNan(number)) return;
        minimum = number;
        maximum = std::max(maximum, number);
        defaultValue = std::max(defaultValue, number);
        value = std::max(value, number);
    }
    void setMaximum(Number number) {
        if (isNan(number)) return;
        maximum = number;
        minimum = std::min(minimum, number);
        defaultValue = std::min(defaultValue, number);
        value = std::min(value, number);
    }
    // Widens the range to take it in.
    void setDefault(Number number) {
        if (isNan(number)) return;
        defaultValue = number;
        minimum = std::min(minimum, number);
        maximum = std::max(maximum, number);
    }
    void setStep(Number number) {
        if (isNan(number)) return;
        if constexpr (std::is_integral_v<Number>)
            step = number == std::numeric_limits<Number>::min() ? std::numeric_limits<Number>::max()
                                                                : std::abs(number);
        else
            step = std::fabs(number);
    }

    // Where the value lies in the range, 0 at the minimum and 1 at the
    // maximum; 0 when the range is empty.
    double position() const {
        double span = static_cast<double>(maximum) - minimum;
        double t = (static_cast<double>(value) - minimum) / span;
        return t > 0 ? std::min(t, 1.0) : 0.0;
    }
    // Sets the value for a pointer at `pointer` along a groove `length`
    // pixels long with 4-pixel margins; the int slider truncates.
    void setFromPointer(int pointer, int length) {
        double fraction = (pointer - 4.0) / std::max(length - 8, 1);
        double number = minimum + (static_cast<double>(maximum) - minimum) * fraction;
        if (!(number > minimum)) number = minimum;
        if (number > maximum) number = maximum;
        setValue(static_cast<Number>(number));
    }

  private:
    static bool isNan(Number number) {
        if constexpr (std::is_floating_point_v<Number>) return std::isnan(number);
        return false;
    }
};

// The `data` of both slider types.
template <typename Number> struct SliderData {
    Callback command;
    SliderRange<Number> range;
    bool horizontal = true;
};

// Where the label goes, outside the groove.
constexpr uint32_t kLabelLeft = 4;
constexpr uint32_t kLabelRight = 8;
constexpr uint32_t kLabelTop = 16;
constexpr int kSliderHandleLength = 10;

// The slider's command; null for other controls.
Callback* sliderCommand(Control* slider);

// The range of a float or int slider. Getters give 0 for other controls and
// setters ignore them; the int slider truncates what it is given toward zero
// and saturates at the ends of its integers.
double sliderMinimum(const Control* slider);
double sliderMaximum(const Control* slider);
double sliderStep(const Control* slider);
double sliderDefault(const Control* slider);
double sliderValue(const Control* slider);
void setSliderMinimum(Control* slider, double minimum);
void setSliderMaximum(Control* slider, double maximum);
void setSliderStep(Control* slider, double step);
void setSliderDefault(Control* slider, double defaultValue);
void setSliderValue(Control* slider, double value);

// Sliders start horizontal; a vertical one grows downwards.
void setSliderHorizontal(Control* slider, bool horizontal);

extern const ControlClass floatSliderClass;
extern const ControlClass intSliderClass;

} // namespace ui
