#include "ui/leaf_control.h"

#include "ui/dispatch.h"

namespace ui {

bool insideControl(const Control* control, int x, int y) {
    return x >= 0 && x < control->width && y >= 0 && y < control->height;
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
