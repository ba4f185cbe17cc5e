#include "ui/colour_swatch.h"

#include <GL/gl.h>

#include "ui/control_types.h"
#include "ui/draw.h"

namespace ui {

namespace {

void createSwatch(Control* control) {
    control->data = new SwatchData{};
    setPosition(control, 0, 0);
    setSize(control, 20, 20);
}

// Over the control's own rectangle: the draw pass has already moved the
// origin to its position.
void drawSwatch(Control* control) {
    const auto* swatch = static_cast<const SwatchData*>(control->data);
    glColor3f(swatch->red, swatch->green, swatch->blue);
    fillRect(0, 0, control->width, control->height);
}

} // namespace

const ControlClass colourSwatchClass{
    .typeId = kColourSwatchType,
    .create = createSwatch,
    .destroy = destroyRecord<SwatchData>,
    .draw = drawSwatch,
};

} // namespace ui
