// The float shake: a float field whose number can also be shaken up and down
// by dragging with the middle button held, by a step per pixel from where the
// button went down.
#pragma once

#include "ui/text_field.h"

namespace ui {

struct FloatShakeData {
    FieldData field; // first, so the field's operations serve it
    double minimum = 0.0;
    double maximum = 1.0;
    double step = 0.01; // change per pixel and drag event is half of it
    int pressX = 0;     // where the middle button went down
    int shaking = 0;    // the middle button is held
};

// The record of a float shake; null for other controls.
FloatShakeData* floatShakeData(const Control* control);

// Its range, for scripts: stored as given (NaN is ignored), 0 when the
// control is not a float shake.
double shakeMinimum(const Control* control);
double shakeMaximum(const Control* control);
double shakeStep(const Control* control);
void setShakeMinimum(Control* control, double value);
void setShakeMaximum(Control* control, double value);
void setShakeStep(Control* control, double value);

extern const ControlClass floatShakeClass;

} // namespace ui
