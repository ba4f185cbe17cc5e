#include "ui/button.h"

#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

int captionFont() {
    return fontForRole(1);
}

int buttonMinWidth(Control* control) {
    return textWidth(captionFont(), control->label) + 4;
}
int buttonMinHeight(Control*) {
    return fontHeight(captionFont()) + 4;
}

void drawButton(Control* control) {
    if (!(control->style & kStyleShown)) return;
    const int depth = buttonData(control)->down ? -1 : 1;
    drawFace(control, 0, 0, control->width, control->height, depth);
    const int font = captionFont();
    setColour(LUI_COLOR_BLACK);
    drawText(font, control->label, (control->width - textWidth(font, control->label)) / 2 - 1,
             control->height / 2 - fontHeight(font) / 2 - 3);
}

} // namespace

const ControlClass buttonClass{
    .typeId = LUI_BUTTON,
    .create = createButton,
    .destroy = destroyRecord<ButtonData>,
    .onDrag = buttonDrag,
    .onHover = leafHover,
    .onMouseButton = buttonMouseButton,
    .draw = drawButton,
    .minWidth = buttonMinWidth,
    .minHeight = buttonMinHeight,
    .getInt = buttonGetInt,
    .setInt = buttonSetInt,
};

void createButton(Control* control) {
    control->data = new ButtonData{};
    setLeafDefaults(control);
    setStyle(control, kStyleShown);
}

ButtonData* buttonData(const Control* control) {
    if (!control || !control->data) return nullptr;
    switch (controlType(control)) {
    case LUI_BUTTON:
    case LUI_ARROW_BUTTON:
    case LUI_ICON_BUTTON:
        return static_cast<ButtonData*>(control->data);
    default:
        return nullptr;
    }
}

int buttonMouseButton(Control* control, int, int state, int x, int y) {
    ButtonData* button = buttonData(control);
    if (state == kButtonDown) {
        button->down = 1;
        setCapture(control);
        return 1;
    }
    button->down = 0;
    // Only the release of a press on this button is a click: one that ends
    // a gesture begun elsewhere runs nothing.
    const bool pressed = releaseCaptureOf(control);
    if (!insideControlOrOnEdge(control, x, y)) return 0;
    if (pressed) button->command.invoke(control);
    return 1;
}

int buttonDrag(Control* control, int x, int y, int, int) {
    if (capturedControl() != control) return 0;
    buttonData(control)->down = insideControlOrOnEdge(control, x, y);
    return 1;
}

int buttonGetInt(Control* control) {
    return buttonData(control)->down;
}

void buttonSetInt(Control* control, int value) {
    buttonData(control)->down = value;
}

} // namespace ui
