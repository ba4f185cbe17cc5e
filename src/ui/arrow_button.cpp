#include "ui/arrow_button.h"

#include "ui/button.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

constexpr int kSymbolInset = 4;
constexpr int kSmallestArrowButton = 10;

int arrowButtonMinimum(Control*) {
    return kSmallestArrowButton;
}

void drawArrowButton(Control* control) {
    const int depth = buttonData(control)->down ? -1 : 1;
    const int w = control->width, h = control->height;
    drawFace(control, 0, 0, w, h, depth);
    const int lift = control->hovered ? 1 : 0;
    setLineWidth(1);
    drawArrowSymbol(control->style, kSymbolInset - lift, kSymbolInset - lift,
                    w - kSymbolInset - lift, h - kSymbolInset - lift,
                    control->hovered ? 1.0f : 0.7f);
}

} // namespace

const ControlClass arrowButtonClass{
    .typeId = LUI_ARROW_BUTTON,
    .create = createButton,
    .destroy = destroyRecord<ButtonData>,
    .onDrag = buttonDrag,
    .onHover = leafHover,
    .onMouseButton = buttonMouseButton,
    .draw = drawArrowButton,
    .minWidth = arrowButtonMinimum,
    .minHeight = arrowButtonMinimum,
    .getInt = buttonGetInt,
    .setInt = buttonSetInt,
};

void drawArrowSymbol(uint32_t style, int x0, int y0, int x1, int y1, float grey) {
    const int midX = (x0 + x1) / 2, midY = (y0 + y1) / 2;
    if (style & LUI_LEFT) {
        triangle(x1, y0, x1, y1, x0, midY, grey);
    } else if (style & LUI_RIGHT) {
        triangle(x0, y0, x0, y1, x1, midY, grey);
    } else if (style & LUI_UP) {
        triangle(x0, y1, x1, y1, midX, y0, grey);
    } else if (style & LUI_DOWN) {
        triangle(x0, y0, x1, y0, midX, y1, grey);
    } else if (style & LUI_FAST_RIGHT) {
        triangle(x0, y0, x0, y1, midX, midY, grey);
        triangle(midX, y0, midX, y1, x1, midY, grey);
    } else if (style & LUI_FAST_LEFT) {
        triangle(midX, y0, midX, y1, x0, midY, grey);
        triangle(x1, y0, x1, y1, midX, midY, grey);
    } else if (style & LUI_STOP) {
        setColour(LUI_COLOR_BLACK);
        fillRect(x0, y0, x1, y1);
    } else if (style & LUI_PAUSE) {
        const int bar = (x1 - x0) / 3;
        setColour(LUI_COLOR_BLACK);
        fillRect(x0, y0, x0 + bar, y1);
        fillRect(x1 - bar, y0, x1, y1);
    }
}

} // namespace ui
