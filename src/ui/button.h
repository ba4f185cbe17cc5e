// The push button: pressed while the pointer holds it, runs its command when
// released over it. The arrow and icon buttons share its input.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// The `data` of buttons, arrow buttons and (as its first member) icon buttons.
struct ButtonData {
    Callback command;
    int down = 0; // drawn pressed
};

// The record of a button, arrow button or icon button; null for other controls.
ButtonData* buttonData(const Control* control);

// The button's record, place and style; the arrow button's too.
void createButton(Control* control);

// Shared button input: any button pressed takes the pointer and pushes the
// button in; it pops out while dragged off and back in when dragged back; the
// release runs the command when it happens over the button.
int buttonMouseButton(Control* control, int button, int state, int x, int y);
int buttonDrag(Control* control, int x, int y, int dx, int dy);
// The value of a button is whether it is pushed in.
int buttonGetInt(Control* control);
void buttonSetInt(Control* control, int value);

extern const ControlClass buttonClass;

} // namespace ui
