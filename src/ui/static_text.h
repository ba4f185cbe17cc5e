// Static text: its label on a flat face, aligned by its style.
#pragma once

#include "ui/control.h"

namespace ui {

constexpr uint32_t kStyleCentreText = 0x400000;
constexpr uint32_t kStyleRightText = 8;

// Where a label `textWidth` wide starts in a control `width` wide: centred,
// 3 pixels from the right edge or 3 from the left, by the style bits.
int alignedTextX(uint32_t style, int width, int textWidth);

extern const ControlClass staticTextClass;

} // namespace ui
