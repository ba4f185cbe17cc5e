// The colour swatch: a rectangle filled with one opaque colour.
#pragma once

#include "ui/control.h"

namespace ui {

// The `data` of a colour swatch.
struct SwatchData {
    float red = 1, green = 0, blue = 1;
};

extern const ControlClass colourSwatchClass;

} // namespace ui
