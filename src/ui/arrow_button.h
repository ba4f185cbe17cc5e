// The arrow button: a button showing a direction symbol (arrows, fast
// forward and back, stop, pause) chosen by its style word.
#pragma once

#include <cstdint>

#include "ui/control.h"
#include "ui/lui_constants.h"

namespace ui {

// Draws the symbol of the first direction (LUI_LEFT ...) found in `style` inside the box
// from (x0, y0) to (x1, y1), black with outlines in the grey level `grey`.
void drawArrowSymbol(uint32_t style, int x0, int y0, int x1, int y1, float grey);

extern const ControlClass arrowButtonClass;

} // namespace ui
