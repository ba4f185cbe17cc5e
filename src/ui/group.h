// The group (type 33): a container that frames the controls created after
// it with a raised border, an inset flat border and a caption tab.
#pragma once

#include "ui/control.h"

namespace ui {

// Style bits of the group and the frame layout; list and combo boxes take the
// first two for a bevelled or a flat outlined face.
constexpr uint32_t kStyleRaisedBorder = 0x2000;
constexpr uint32_t kStyleFlatBorder = 0x1000;
constexpr uint32_t kStyleCaption = 0x80; // group only

extern const ControlClass groupClass;

} // namespace ui
