#include "ui/float_shake.h"

#include <cmath>

#include "ui/control_types.h"
#include "ui/dispatch.h"

namespace ui {

namespace {

constexpr int kMiddleButton = 1; // GLUT_MIDDLE_BUTTON

void createFloatShake(Control* control) {
    control->data = new FloatShakeData{.field = {.kind = FieldKind::Float}};
    setPosition(control, 10, 10);
    control->width = 80;
    control->height = 25;
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

void setIfNumber(double& bound, double value) {
    if (!std::isnan(value)) bound = value;
}

} // namespace

const ControlClass floatShakeClass{
    .typeId = LUI_FLOAT_SHAKE,
    .create = createFloatShake,
    .destroy = destroyFloatShake,
    .onKey = fieldOnKey,
    .onSpecialKey = fieldOnSpecialKey,
    .onDrag = shakeDrag,
    .onMouseButton = shakeMouseButton,
    .draw = drawField,
    .getInt = fieldGetInt,
    .getFloat = fieldGetFloat,
    .getString = fieldGetString,
    .setInt = fieldSetInt,
    .setFloat = fieldSetFloat,
    .setString = fieldSetString,
};

FloatShakeData* floatShakeData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_FLOAT_SHAKE) return nullptr;
    return static_cast<FloatShakeData*>(control->data);
}

double shakeMinimum(const Control* control) {
    const FloatShakeData* shake = floatShakeData(control);
    return shake ? shake->minimum : 0.0;
}

double shakeMaximum(const Control* control) {
    const FloatShakeData* shake = floatShakeData(control);
    return shake ? shake->maximum : 0.0;
}

double shakeStep(const Control* control) {
    const FloatShakeData* shake = floatShakeData(control);
    return shake ? shake->step : 0.0;
}

void setShakeMinimum(Control* control, double value) {
    if (FloatShakeData* shake = floatShakeData(control)) setIfNumber(shake->minimum, value);
}

void setShakeMaximum(Control* control, double value) {
    if (FloatShakeData* shake = floatShakeData(control)) setIfNumber(shake->maximum, value);
}

void setShakeStep(Control* control, double value) {
    if (FloatShakeData* shake = floatShakeData(control)) setIfNumber(shake->step, value);
}

} // namespace ui
