#include "ui/check_box.h"

#include <algorithm>

#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

constexpr int kCaptionX = 24;
constexpr int kBoxX = 5;

int captionFont() {
    return fontForRole(1);
}

void createCheckBox(Control* control) {
    control->data = new CheckBoxData{};
    setLeafDefaults(control);
    setStyle(control, kCheckBoxFlat);
}

int checkBoxMinWidth(Control* control) {
    return textWidth(captionFont(), control->label) + 28;
}
int checkBoxMinHeight(Control*) {
    return std::max(fontHeight(captionFont()), 16) + 10;
}

int checkBoxMouseButton(Control* control, int button, int state, int x, int y) {
    if (button != kLeftButton) return 0;
    if (state == kButtonDown) {
        setCapture(control);
        return 1;
    }
    // Like a button, only a release that ends a press on the box toggles it.
    const bool pressed = releaseCaptureOf(control);
    if (!pressed || !insideControl(control, x, y)) return 0;
    CheckBoxData* box = checkBoxData(control);
    box->checked = !box->checked;
    box->command.invoke(control);
    return 1;
}

void drawCheckBox(Control* control) {
    const CheckBoxData* box = checkBoxData(control);
    const int h = control->height, font = captionFont();
    drawBorderedFace(control, box->checked);
    const int lean = control->hovered ? 1 : 0;
    setColour(LUI_COLOR_BLACK);
    drawText(font, control->label, kCaptionX - lean, (h - fontHeight(font)) / 2);
    drawIcon(box->checked ? ICON_CHECKBOX1 : ICON_CHECKBOX0, kBoxX - lean, h / 2 + 8);
}

int checkBoxGetInt(Control* control) {
    return checkBoxData(control)->checked;
}
void checkBoxSetInt(Control* control, int value) {
    checkBoxData(control)->checked = value != 0;
}

} // namespace

const ControlClass checkBoxClass{
    .typeId = LUI_CHECKBOX,
    .create = createCheckBox,
    .destroy = destroyRecord<CheckBoxData>,
    .onHover = leafHover,
    .onMouseButton = checkBoxMouseButton,
    .draw = drawCheckBox,
    .minWidth = checkBoxMinWidth,
    .minHeight = checkBoxMinHeight,
    .getInt = checkBoxGetInt,
    .setInt = checkBoxSetInt,
};

CheckBoxData* checkBoxData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_CHECKBOX) return nullptr;
    return static_cast<CheckBoxData*>(control->data);
}

} // namespace ui
