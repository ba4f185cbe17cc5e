// The check box: a box that toggles when clicked, with its caption beside it.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

constexpr uint32_t kCheckBoxBevelled = 0x2000; // raised face, sunken while checked
constexpr uint32_t kCheckBoxFlat = 0x1000;     // flat outlined face (the default)

struct CheckBoxData {
    Callback command; // runs after each toggle
    int checked = 0;
};

// The record of a check box; null for other controls.
CheckBoxData* checkBoxData(const Control* control);

extern const ControlClass checkBoxClass;

} // namespace ui
