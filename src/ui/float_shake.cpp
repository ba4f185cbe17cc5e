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

void destroyFloatShake(Control* control) {
    delete floatShakeData(control);
    control->data = nullptr;
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
    if (capturedControl() == control) releaseCapture();
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

double* boundOf(FloatShakeData& shake, ShakeBound bound) {
    switch (bound) {
    case ShakeBound::Minimum:
        return &shake.minimum;
    case ShakeBound::Maximum:
        return &shake.maximum;
    case ShakeBound::Step:
        break;
    }
    return &shake.step;
}

} // namespace

const ControlClass floatShakeClass = [] {
    ControlClass cls = fieldOperations(LUI_FLOAT_SHAKE, createFloatShake, destroyFloatShake);
    cls.onDrag = shakeDrag;
    cls.onMouseButton = shakeMouseButton;
    return cls;
}();

FloatShakeData* floatShakeData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_FLOAT_SHAKE) return nullptr;
    return static_cast<FloatShakeData*>(control->data);
}

double shakeBound(const Control* control, ShakeBound bound) {
    FloatShakeData* shake = floatShakeData(control);
    return shake ? *boundOf(*shake, bound) : 0.0;
}

void setShakeBound(Control* control, ShakeBound bound, double value) {
    FloatShakeData* shake = floatShakeData(control);
    if (shake && !std::isnan(value)) *boundOf(*shake, bound) = value;
}

} // namespace ui
