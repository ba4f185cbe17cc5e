// The arrow button: a button showing a direction symbol (arrows, fast
// forward and back, stop, pause) chosen by its style word.
#pragma once

#include <cstdint>

#include "ui/control.h"

namespace ui {

// The style bits naming the symbol; a style holds one of them.
enum ArrowDirection : uint32_t {
    LUI_LEFT = 4,
    LUI_RIGHT = 8,
    LUI_UP = 16,
    LUI_DOWN = 32,
    LUI_FAST_RIGHT = 64,
    LUI_FAST_LEFT = 128,
    LUI_STOP = 256,
    LUI_PAUSE = 512,
};

// Draws the symbol of the first direction found in `style` inside the box
// from (x0, y0) to (x1, y1), black with outlines in the grey level `grey`.
void drawArrowSymbol(uint32_t style, int x0, int y0, int x1, int y1, float grey);

extern const ControlClass arrowButtonClass;

} // namespace ui
