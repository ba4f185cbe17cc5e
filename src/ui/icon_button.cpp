#include "ui/icon_button.h"

#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/icons.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

IconButtonData* iconButtonData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_ICON_BUTTON) return nullptr;
    return static_cast<IconButtonData*>(control->data);
}

void createIconButton(Control* control) {
    control->data = new IconButtonData{};
    setLeafDefaults(control);
}

int iconButtonMinimum(Control* control) {
    return iconSize(iconButtonIcon(control)) + 4;
}

void drawIconButton(Control* control) {
    const int icon = iconButtonIcon(control);
    const int w = control->width, h = control->height;
    const int depth = buttonGetInt(control) ? -1 : 1;
    const int lift = control->hovered ? 1 : 0;
    drawFace(control, 0, 0, w, h, depth);
    // drawIcon takes the lower-left corner.
    const int half = iconSize(icon) / 2;
    drawIcon(icon, w / 2 - half - lift, h / 2 + half - lift);
}

} // namespace

const ControlClass iconButtonClass{
    .typeId = LUI_ICON_BUTTON,
    .create = createIconButton,
    .destroy = destroyRecord<IconButtonData>,
    .onDrag = buttonDrag,
    .onHover = leafHover,
    .onMouseButton = buttonMouseButton,
    .draw = drawIconButton,
    .minWidth = iconButtonMinimum,
    .minHeight = iconButtonMinimum,
    .getInt = buttonGetInt,
    .setInt = buttonSetInt,
};

int iconButtonIcon(const Control* control) {
    const IconButtonData* data = iconButtonData(control);
    return data ? data->icon : 0;
}

void setIconButtonIcon(Control* control, int icon) {
    if (IconButtonData* data = iconButtonData(control)) data->icon = icon;
}

} // namespace ui
