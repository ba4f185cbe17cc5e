// Drawing the control tree: every control in its own translated frame, the
// children of containers in index order, the top level back to front.
#pragma once

#include "ui/control.h"

namespace ui {

// Draws the control with the origin moved to its position.
void drawControlAt(Control* control);
// The container draw operation: children in index order, later ones on top.
void drawChildren(Control* control);
// The whole toolkit in its own pixel projection (y down from the top-left),
// index 0 of the root's children last so that it ends on top. Leaves the
// projection as it found it and the model-view matrix as identity.
void drawControls();

} // namespace ui
