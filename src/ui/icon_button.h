// The icon button: a button showing one icon of the toolkit's set.
#pragma once

#include "ui/button.h"

namespace ui {

struct IconButtonData {
    ButtonData button; // first, so the button's input serves it
    int icon = 0;      // ICON_* id
};

// The icon shown; 0 for controls that are not icon buttons.
int iconButtonIcon(const Control* control);
void setIconButtonIcon(Control* control, int icon);

extern const ControlClass iconButtonClass;

} // namespace ui
