#include "ui/slider.h"

#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

constexpr int kGrooveMargin = 4;
constexpr int kTickLength = 12;

template <typename Number> SliderData<Number>* sliderData(const Control* control) {
    constexpr int type = std::is_floating_point_v<Number> ? LUI_FLOAT_SLIDER : LUI_INT_SLIDER;
    if (!control || !control->data || controlType(control) != type) return nullptr;
    return static_cast<SliderData<Number>*>(control->data);
}

// Runs `apply` on the slider's range, whichever type of slider it is.
template <typename Apply> auto withRange(const Control* control, Apply apply) {
    if (auto* slider = sliderData<float>(control)) return apply(slider->range);
    if (auto* slider = sliderData<int>(control)) return apply(slider->range);
    SliderRange<float> none;
    return apply(none);
}

// Script numbers for a slider, held inside its number type; the int slider
// drops the fraction.
template <typename Number> Number toNumber(double number) {
    if constexpr (std::is_floating_point_v<Number>) {
        constexpr double largest = std::numeric_limits<Number>::max();
        return static_cast<Number>(std::isfinite(number) ? std::clamp(number, -largest, largest)
                                                         : number);
    } else {
        if (std::isnan(number)) return 0;
        number = std::clamp(std::trunc(number), double(std::numeric_limits<int>::min()),
                            double(std::numeric_limits<int>::max()));
        return static_cast<int>(number);
    }
}

template <typename Number>
void setRange(Control* control, void (SliderRange<Number>::*setter)(Number), double number) {
    if (auto* slider = sliderData<Number>(control))
        (slider->range.*setter)(toNumber<Number>(number));
}

void setEither(Control* control, void (SliderRange<float>::*floatSetter)(float),
               void (SliderRange<int>::*intSetter)(int), double number) {
    setRange<float>(control, floatSetter, number);
    setRange<int>(control, intSetter, number);
}

// Left end of the handle of a horizontal slider (top end of a vertical one)
// `length` pixels long.
int sliderHandleStart(const Control* control, int length) {
    double position = withRange(control, [](const auto& range) { return range.position(); });
    return static_cast<int>((length - 2 * kGrooveMargin) * position) - 1;
}

int grooveLength(const Control* control, bool horizontal) {
    return horizontal ? control->width : control->height;
}

// ---- Operations ----------------------------------------------------------------

// The float slider from 0 to 1 by 0.01 at 0.5; the int slider from 0 to
// 100 by 1 at 50.
template <typename Number> void createSlider(Control* control) {
    auto* slider = new SliderData<Number>{};
    if constexpr (std::is_floating_point_v<Number>)
        slider->range = {.minimum = 0, .maximum = 1, .step = 0.01f, .value = 0.5f};
    else
        slider->range = {.minimum = 0, .maximum = 100, .step = 1, .value = 50};
    control->data = slider;
    setLeafDefaults(control);
    setStyle(control, kLabelRight);
}

template <typename Number>
int sliderMouseButton(Control* control, int button, int state, int x, int y) {
    auto* slider = sliderData<Number>(control);
    if (!slider || button != kLeftButton) return 0;
    if (state == kButtonUp) {
        releaseCaptureOf(control);
        return 0;
    }
    if (!insideControlOrOnEdge(control, x, y)) return 0;
    setCapture(control);
    if (!slider->horizontal) {
        int handle = sliderHandleStart(control, control->height);
        bool onHandle = y >= handle && y < handle + kSliderHandleLength;
        if (!onHandle) {
            slider->range.setFromPointer(y, control->height);
            slider->command.invoke(control);
        }
    }
    return 1;
}

// Only the slider that was pressed follows the pointer: a drag that began
// elsewhere passes over it without effect.
template <typename Number> int sliderDrag(Control* control, int x, int y, int, int) {
    auto* slider = sliderData<Number>(control);
    if (!slider || capturedControl() != control) return 0;
    int along = slider->horizontal ? x : y;
    slider->range.setFromPointer(along, grooveLength(control, slider->horizontal));
    slider->command.invoke(control);
    return 1;
}

void drawLabel(const Control* control) {
    if (!control->label[0]) return;
    int font = fontForRole(1);
    int textWidthPx = textWidth(font, control->label);
    int textHeight = fontHeight(font);
    int x = kGrooveMargin, y = (control->height - textHeight) / 2;
    if (control->style & kLabelLeft)
        x = -textWidthPx - kGrooveMargin;
    else if (control->style & kLabelRight)
        x = control->width + kGrooveMargin;
    else if (control->style & kLabelTop)
        y = -textHeight - 2;
    else
        y = control->height + 2;
    setColour(LUI_COLOR_BLACK);
    drawText(font, control->label, x, y);
}

template <typename Number> void drawSlider(Control* control) {
    const auto* slider = sliderData<Number>(control);
    if (!slider) return;
    const int width = control->width, height = control->height;
    drawFace(control, 0, 0, width, height, 0);

    setColour(LUI_COLOR_BLACK);
    const int halfTick = kTickLength / 2;
    if (slider->horizontal) {
        const int middle = height / 2, end = width - kGrooveMargin;
        line(kGrooveMargin, middle, width - 2 * kGrooveMargin, 0);
        line(kGrooveMargin, middle - halfTick, 0, kTickLength);
        line(end, middle - halfTick, 0, kTickLength);
        panel(sliderHandleStart(control, width), kGrooveMargin, kSliderHandleLength,
              height - 2 * kGrooveMargin, false, 1);
    } else {
        const int middle = width / 2, end = height - kGrooveMargin;
        line(middle, kGrooveMargin, 0, height - 2 * kGrooveMargin);
        line(middle - halfTick, kGrooveMargin, kTickLength, 0);
        line(middle - halfTick, end, kTickLength, 0);
        panel(kGrooveMargin, sliderHandleStart(control, height), width - 2 * kGrooveMargin,
              kSliderHandleLength, false, 1);
    }
    drawLabel(control);
}

int sliderGetInt(Control* control) {
    return toNumber<int>(sliderValue(control));
}
double sliderGetFloat(Control* control) {
    return sliderValue(control);
}
void sliderSetInt(Control* control, int value) {
    setSliderValue(control, value);
}
void sliderSetFloat(Control* control, float value) {
    setSliderValue(control, value);
}

template <typename Number> constexpr ControlClass sliderClass(int type) {
    return {
        .typeId = type,
        .create = createSlider<Number>,
        .destroy = destroyRecord<SliderData<Number>>,
        .onDrag = sliderDrag<Number>,
        .onHover = leafHover,
        .onMouseButton = sliderMouseButton<Number>,
        .draw = drawSlider<Number>,
        .getInt = sliderGetInt,
        .getFloat = sliderGetFloat,
        .setInt = sliderSetInt,
        .setFloat = sliderSetFloat,
    };
}

} // namespace

const ControlClass floatSliderClass = sliderClass<float>(LUI_FLOAT_SLIDER);
const ControlClass intSliderClass = sliderClass<int>(LUI_INT_SLIDER);

Callback* sliderCommand(Control* control) {
    if (auto* slider = sliderData<float>(control)) return &slider->command;
    if (auto* slider = sliderData<int>(control)) return &slider->command;
    return nullptr;
}

double sliderMinimum(const Control* control) {
    return withRange(control, [](const auto& range) { return double(range.minimum); });
}
double sliderMaximum(const Control* control) {
    return withRange(control, [](const auto& range) { return double(range.maximum); });
}
double sliderStep(const Control* control) {
    return withRange(control, [](const auto& range) { return double(range.step); });
}
double sliderDefault(const Control* control) {
    return withRange(control, [](const auto& range) { return double(range.defaultValue); });
}
double sliderValue(const Control* control) {
    return withRange(control, [](const auto& range) { return double(range.value); });
}

void setSliderMinimum(Control* control, double minimum) {
    setEither(control, &SliderRange<float>::setMinimum, &SliderRange<int>::setMinimum, minimum);
}
void setSliderMaximum(Control* control, double maximum) {
    setEither(control, &SliderRange<float>::setMaximum, &SliderRange<int>::setMaximum, maximum);
}
void setSliderStep(Control* control, double step) {
    setEither(control, &SliderRange<float>::setStep, &SliderRange<int>::setStep, step);
}
void setSliderDefault(Control* control, double defaultValue) {
    setEither(control, &SliderRange<float>::setDefault, &SliderRange<int>::setDefault,
              defaultValue);
}
void setSliderValue(Control* control, double value) {
    setEither(control, &SliderRange<float>::setValue, &SliderRange<int>::setValue, value);
}

void setSliderHorizontal(Control* control, bool horizontal) {
    if (auto* slider = sliderData<float>(control)) slider->horizontal = horizontal;
    if (auto* slider = sliderData<int>(control)) slider->horizontal = horizontal;
}

} // namespace ui
