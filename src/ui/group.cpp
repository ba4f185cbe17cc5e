#include "ui/group.h"

#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"

namespace ui {

namespace {

// Layout placement has already made the group the parent of what follows.
void createGroup(Control* control) {
    setPosition(control, 10, 10);
    control->width = 300;
    control->height = 200;
    control->shown = 1;
    setStyle(control, kStyleRaisedBorder | kStyleFlatBorder | kStyleCaption);
}

void drawGroup(Control* control) {
    const int width = control->width, height = control->height;
    if (control->style & kStyleRaisedBorder) panel(0, 0, width, height, false, 1);
    if (control->style & kStyleFlatBorder) panel(2, 2, width - 4, height - 4, false, 2);
    if (control->style & kStyleCaption) {
        const int font = fontForRole(1);
        panel(5, 0, textWidth(font, control->label), fontHeight(font) + 2, false, 0);
        setColour(LUI_COLOR_BLACK);
        drawText(font, control->label, 7, 1);
    }
    drawChildren(control);
}

} // namespace

const ControlClass groupClass{
    .typeId = LUI_GROUP,
    .isContainer = 1,
    .create = createGroup,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = forwardMouseButton,
    .draw = drawGroup,
};

} // namespace ui
