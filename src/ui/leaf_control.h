// Operations shared by the simple controls: default placement, faces, hit
// tests in the control's own coordinates and hover tracking.
#pragma once

#include "ui/control.h"

namespace ui {

// Where and how large a new leaf control is unless its type says otherwise:
// 80x25 at (10, 10).
void setLeafDefaults(Control* control);

// A panel of the given depth, highlighted while the control is hovered.
void drawFace(const Control* control, int x, int y, int w, int h, int depth);

// The face of check boxes, list boxes and combo boxes, by the style: raised
// with 0x2000 (sunken when asked), flat and outlined with 0x1000, else plain.
void drawBorderedFace(const Control* control, bool sunken);

// [0, width) x [0, height).
bool insideControl(const Control* control, int x, int y);
// [0, width] x [0, height]: for buttons and sliders the edges count as inside.
bool insideControlOrOnEdge(const Control* control, int x, int y);

// The hover operation of leaf controls: the control is the hover control
// while the pointer is inside it and claims the motion; leaving it clears the
// hover and lets the motion go on to what lies below.
int leafHover(Control* control, int x, int y, int dx, int dy);

} // namespace ui
