#include "ui/float_shake.h"

#include <cmath>

#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

constexpr int kMiddleButton = 1; // GLUT_MIDDLE_BUTTON

void createFloatShake(Control* control) {
    control->data = new FloatShakeData{.field = {.kind = FieldKind::Float}};
    setLeafDefaults(control);
    fieldSetFloat(control, 0.5f);
}

int shakeMouseButton(Control* control, int button, int state, int x, int y) {
    if (button != kMiddleButton) return fieldMouseButton(control, button, state, x, y);
    FloatShakeData* shake = floatShakeData(control);
    if (state == kButtonDown) {
        shake->pressX = x;
        shake->shaking = 1;
        setCapture(control);
        return 1;
    }
    shake->shaking = 0;
    releaseCaptureOf(control);
    return 1;
}

// Each drag event moves the number by the distance from the press, so the
// further the pointer is held from it, the faster the number runs.
int shakeDrag(Control* control, int x, int y, int dx, int dy) {
    FloatShakeData* shake = floatShakeData(control);
    if (!shake->shaking) return fieldDrag(control, x, y, dx, dy);
    const double value = fieldGetFloat(control) + (x - shake->pressX) * shake->step * 0.5;
    fieldSetFloat(control, static_cast<float>(value));
    shake->field.command.invoke(control);
    return 1;
}

using Bound = double FloatShakeData::*;

double boundOf(const Control* control, Bound bound) {
    const FloatShakeData* shake = floatShakeData(control);
    return shake ? shake->*bound : 0.0;
}

void setBound(Control* control, Bound bound, double value) {
    FloatShakeData* shake = floatShakeData(control);
    if (shake && !std::isnan(value)) shake->*bound = value;
}

} // namespace

const ControlClass floatShakeClass = [] {
    ControlClass cls =
        fieldOperations(LUI_FLOAT_SHAKE, createFloatShake, destroyRecord<FloatShakeData>);
    cls.onDrag = shakeDrag;
    cls.onMouseButton = shakeMouseButton;
    return cls;
}();

FloatShakeData* floatShakeData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_FLOAT_SHAKE) return nullptr;
    return static_cast<FloatShakeData*>(control->data);
}

double shakeMinimum(const Control* control) {
    return boundOf(control, &FloatShakeData::minimum);
}
double shakeMaximum(const Control* control) {
    return boundOf(control, &FloatShakeData::maximum);
}
double shakeStep(const Control* control) {
    return boundOf(control, &FloatShakeData::step);
}
void setShakeMinimum(Control* control, double value) {
    setBound(control, &FloatShakeData::minimum, value);
}
void setShakeMaximum(Control* control, double value) {
    setBound(control, &FloatShakeData::maximum, value);
}
void setShakeStep(Control* control, double value) {
    setBound(control, &FloatShakeData::step, value);
}

} // namespace ui
