#include "ui/colour_slider.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/slider.h"

namespace ui {

namespace {

ColourSliderData* colourData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_COLOR_SLIDER) return nullptr;
    return static_cast<ColourSliderData*>(control->data);
}

Control* sliderOf(const Control* control) {
    return childOfType(control, LUI_FLOAT_SLIDER);
}

// Type-54 controls report type 0, so the swatch is known by its class.
Control* swatchOf(const Control* control) {
    for (Control* child : control->children)
        if (child->cls == &colourSliderSwatchClass) return child;
    return nullptr;
}

// Takes the swatch's colour from where the slider's value lies in its range.
void showValue(Control* control) {
    ColourSliderData* data = colourData(control);
    Control* slider = sliderOf(control);
    if (!data || !slider) return;
    double span = sliderMaximum(slider) - sliderMinimum(slider);
    Rgb rgb = hueColour(span > 0 ? (sliderValue(slider) - sliderMinimum(slider)) / span : 0);
    data->colour[0] = rgb.r;
    data->colour[1] = rgb.g;
    data->colour[2] = rgb.b;
    data->colour[3] = 1;
}

int sliderMoved(Control* slider) {
    showValue(slider->parent);
    return 0;
}

void createColourSlider(Control* control) {
    control->data = new ColourSliderData{};
    setStyle(createChild(control, LUI_TEXT, ""), kColumnLabelStyle);
    Control* slider = createChild(control, LUI_FLOAT_SLIDER, "");
    createChild(control, kColourSliderPartType, "");
    sliderCommand(slider)->setNative(sliderMoved);
    setSliderValue(slider, 0);
    setSliderMinimum(slider, 0);
    setSliderMaximum(slider, 100);
    showValue(control);
    placeColumns(control);
}

void resizeColourSlider(Control* control, int width, int height) {
    if (colourData(control))
        layOutColumns({childOfType(control, LUI_TEXT), sliderOf(control), swatchOf(control)}, width,
                      height);
}

double getColourValue(Control* control) {
    const Control* slider = sliderOf(control);
    return slider ? sliderValue(slider) : 0.0;
}

void setColourValue(Control* control, float value) {
    if (Control* slider = sliderOf(control)) setSliderValue(slider, value);
    showValue(control);
}

void drawSwatch(Control* control) {
    const ColourSliderData* data = colourData(control->parent);
    if (!data) return;
    glColor4fv(data->colour);
    fillRect(0, 0, control->width, control->height);
}

} // namespace

const ControlClass colourSliderClass{
    .typeId = LUI_COLOR_SLIDER,
    .isContainer = 1,
    .create = createColourSlider,
    .destroy = destroyRecord<ColourSliderData>,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = forwardMouseButton,
    .draw = drawChildren,
    .resize = resizeColourSlider,
    .getFloat = getColourValue,
    .setFloat = setColourValue,
};

// Like the other type-54 controls it reports type 0.
const ControlClass colourSliderSwatchClass{
    .draw = drawSwatch,
};

Rgb hueColour(double position) {
    if (!(position > 0)) position = 0;
    double sector = std::min(position, 1.0) * 6;
    // Each channel: full within 1 of its centre, fading to none at 2 away.
    auto channel = [sector](double centre) {
        double distance = std::fabs(std::fmod(sector - centre + 9, 6) - 3);
        return static_cast<float>(std::clamp(2 - distance, 0.0, 1.0));
    };
    return {channel(0), channel(2), channel(4)};
}

} // namespace ui
