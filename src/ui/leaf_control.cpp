#include "ui/leaf_control.h"

#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/group.h"

namespace ui {

void setLeafDefaults(Control* control) {
    setPosition(control, 10, 10);
    control->width = 80;
    control->height = 25;
}

void drawFace(const Control* control, int x, int y, int w, int h, int depth) {
    if (control->hovered)
        highlightPanel(x, y, w, h, depth);
    else
        panel(x, y, w, h, false, depth);
}

void drawBorderedFace(const Control* control, bool sunken) {
    int depth = 0;
    if (control->style & kStyleRaisedBorder)
        depth = sunken ? -1 : 1;
    else if (control->style & kStyleFlatBorder)
        depth = 2;
    drawFace(control, 0, 0, control->width, control->height, depth);
}

bool insideControl(const Control* control, int x, int y) {
    return x >= 0 && x < control->width && y >= 0 && y < control->height;
}

bool insideControlOrOnEdge(const Control* control, int x, int y) {
    return x >= 0 && x <= control->width && y >= 0 && y <= control->height;
}

int leafHover(Control* control, int x, int y, int, int) {
    if (!insideControl(control, x, y)) {
        if (hoverControl() == control) clearHover();
        return 0;
    }
    if (hoverControl() != control) setHover(control);
    return 1;
}

} // namespace ui
