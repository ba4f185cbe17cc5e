// The frame layout (type 32): a container with a title header whose toggle
// box collapses it to the header, hiding its children from drawing and from
// clicks.
#pragma once

#include "ui/control.h"

namespace ui {

struct FrameLayoutData {
    int expanded = 1;
};

extern const ControlClass frameLayoutClass;

} // namespace ui
