#include "ui/frame_layout.h"

#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/group.h"

namespace ui {

namespace {

FrameLayoutData* frameData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_FRAME_LAYOUT) return nullptr;
    return static_cast<FrameLayoutData*>(control->data);
}

int captionHeight() {
    return fontHeight(fontForRole(1));
}

// The toggle box: h x h, 2 pixels in from the top and right edges.
bool inToggleBox(const Control* control, int x, int y) {
    const int h = captionHeight();
    return x >= control->width - h - 2 && x < control->width - 2 && y >= 2 && y < h + 2;
}

// Layout placement has already made the frame the parent of what follows.
void createFrameLayout(Control* control) {
    control->data = new FrameLayoutData{};
    setPosition(control, 10, 10);
    control->width = 300;
    control->height = 200;
    control->shown = 1;
    setStyle(control, kStyleRaisedBorder | kStyleFlatBorder);
}

int frameMouseButton(Control* control, int button, int state, int x, int y) {
    FrameLayoutData* frame = frameData(control);
    if (!frame) return 0;
    const bool toggled =
        button == kLeftButton && state == kButtonDown && inToggleBox(control, x, y);
    if (toggled) {
        frame->expanded = !frame->expanded;
        requestRedisplay();
    }
    const int taken = frame->expanded && forwardMouseButton(control, button, state, x, y);
    return toggled || taken;
}

void drawToggleBox(const Control* control, bool expanded) {
    const int width = control->width, h = captionHeight();
    panel(width - h - 2, 2, h, h, false, 1);
    if (expanded)
        triangle(width - h, h, width - 4, h, width - h / 2 - 2, 4, 0.0f);
    else
        triangle(width - h, 4, width - 4, 4, width - h / 2 - 2, h, 0.0f);
}

void drawFrameLayout(Control* control) {
    const FrameLayoutData* frame = frameData(control);
    if (!frame) return;
    const int width = control->width, h = captionHeight();
    // Collapsed, the frame is drawn as its header alone.
    const int drawnHeight = frame->expanded ? control->height : h + 4;
    if (control->style & kStyleRaisedBorder) panel(0, 0, width, drawnHeight, false, 1);
    panel(1, 1, width - 2, h + 2, true, 0);
    setColour(LUI_COLOR_TITLE_TEXT);
    drawText(fontForRole(1), control->label, 4, 1);
    drawToggleBox(control, frame->expanded);
    if (!frame->expanded) return;
    if (control->style & kStyleFlatBorder)
        panel(2, h + 4, width - 4, control->height - h - 6, false, 2);
    drawChildren(control);
}

} // namespace

const ControlClass frameLayoutClass{
    .typeId = LUI_FRAME_LAYOUT,
    .isContainer = 1,
    .create = createFrameLayout,
    .destroy = destroyRecord<FrameLayoutData>,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = frameMouseButton,
    .draw = drawFrameLayout,
};

} // namespace ui
