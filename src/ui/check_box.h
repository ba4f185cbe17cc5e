// The check box: a box that toggles when clicked, with its caption beside it.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"
#include "ui/group.h"

namespace ui {

// The face, as for list boxes.
constexpr uint32_t kCheckBoxBevelled = kStyleRaisedBorder; // raised, sunken while checked
constexpr uint32_t kCheckBoxFlat = kStyleFlatBorder;       // flat outlined (the default)

struct CheckBoxData {
    Callback command; // runs after each toggle
    int checked = 0;
};

// The record of a check box; null for other controls.
CheckBoxData* checkBoxData(const Control* control);

extern const ControlClass checkBoxClass;

} // namespace ui
