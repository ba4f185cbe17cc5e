// Operations shared by the controls that have no children: hit tests in the
// control's own coordinates and hover tracking.
#pragma once

#include "ui/control.h"

namespace ui {

// [0, width) x [0, height).
bool insideControl(const Control* control, int x, int y);

// The hover operation of leaf controls: the control is the hover control
// while the pointer is inside it and claims the motion; leaving it clears the
// hover and lets the motion go on to what lies below.
int leafHover(Control* control, int x, int y, int dx, int dy);

} // namespace ui
