// The frame layout (type 32): a container with a title header whose toggle
// box collapses it to the header, hiding its children from drawing and from
// clicks.
#pragma once

#include "ui/control.h"

namespace ui {

struct FrameLayoutData {
    int expanded = 1;
};

// Whether a frame layout shows its body; false for other controls.
bool frameExpanded(const Control* control);
// The header's height: the caption font's height + 4. A collapsed frame is
// drawn this high.
int frameHeaderHeight();

extern const ControlClass frameLayoutClass;

} // namespace ui
