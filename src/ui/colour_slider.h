// The colour slider: a label, a slider and a swatch side by side; the swatch
// shows the hue the slider's value picks.
#pragma once

#include "ui/control.h"
#include "ui/draw.h"
#include "ui/slider_group.h"

namespace ui {

// The `data` of a colour slider.
struct ColourSliderData {
    float colour[4] = {}; // red, green, blue, alpha of the swatch
};

// The fully saturated, full-brightness hue at `position` around the colour
// wheel: 0 red, 1/3 green, 2/3 blue, 1 red again; positions outside [0, 1]
// are held at the nearest end.
Rgb hueColour(double position);

extern const ControlClass colourSliderClass;
// The swatch inside a colour slider (a type-54 control); elsewhere it draws nothing.
extern const ControlClass colourSliderSwatchClass;

} // namespace ui
