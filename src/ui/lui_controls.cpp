#include "ui/lui_controls.h"

#include <cstddef>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_types.h"
#include "ui/file_dialog.h"
#include "ui/float_shake.h"
#include "ui/item_list.h"
#include "ui/scroll_bar.h"
#include "ui/slider.h"
#include "ui/slider_group.h"
#include "ui/text_field.h"

namespace ui {

void moveCurrentParentUp() {
    Control* parent = currentParent()->parent;
    setCurrentParent(parent ? parent : rootControl());
}

namespace {

// The slider whose range a control reports: a slider itself, a slider group's
// slider child; null for other controls.
Control* rangeSlider(Control* control) {
    switch (controlType(control)) {
    case LUI_FLOAT_SLIDER:
    case LUI_INT_SLIDER:
        return control;
    case LUI_FLOAT_SLIDER_GRP:
        return childOfType(control, LUI_FLOAT_SLIDER);
    case LUI_INT_SLIDER_GRP:
        return childOfType(control, LUI_INT_SLIDER);
    default:
        return nullptr;
    }
}

// How one bound of a range is read and set.
struct BoundAccess {
    double (*get)(const Control*);
    void (*set)(Control*, double);
};

// By RangeBound.
constexpr BoundAccess kSliderBounds[] = {
    {sliderMinimum, setSliderMinimum},
    {sliderMaximum, setSliderMaximum},
    {sliderStep, setSliderStep},
    {sliderDefault, setSliderDefault},
};
constexpr BoundAccess kShakeBounds[] = {
    {shakeMinimum, setShakeMinimum},
    {shakeMaximum, setShakeMaximum},
    {shakeStep, setShakeStep},
    {nullptr, nullptr}, // the float shake has no default
};

// The control holding the range a control reports, and how the bound is
// reached there; null for controls without one.
const BoundAccess* boundAccess(Control* control, RangeBound bound, Control** holder) {
    const auto index = static_cast<size_t>(bound);
    if (floatShakeData(control)) {
        *holder = control;
        return kShakeBounds[index].get ? &kShakeBounds[index] : nullptr;
    }
    *holder = rangeSlider(control);
    return *holder ? &kSliderBounds[index] : nullptr;
}

} // namespace

Callback* commandOf(Control* control) {
    if (ButtonData* button = buttonData(control)) return &button->command;
    if (CheckBoxData* checkBox = checkBoxData(control)) return &checkBox->command;
    if (FieldData* field = fieldData(control)) return &field->command;
    if (ListData* list = listData(control)) return &list->command;
    if (ScrollBarData* bar = scrollBarData(control)) return &bar->command;
    if (Callback* command = sliderGroupCommand(control)) return command;
    return sliderCommand(control);
}

double rangeBound(Control* control, RangeBound bound) {
    Control* holder = nullptr;
    if (const BoundAccess* access = boundAccess(control, bound, &holder))
        return access->get(holder);
    return bound == RangeBound::Maximum ? kNoRangeMaximum : kNoRangeMinimum;
}

void setRangeBound(Control* control, RangeBound bound, double value) {
    Control* holder = nullptr;
    if (const BoundAccess* access = boundAccess(control, bound, &holder))
        access->set(holder, value);
}

namespace {

// A file dialog shows its folder in its list box.
Control* itemSource(Control* control) {
    return controlType(control) == LUI_FILE_DIALOG ? fileDialogList(control) : control;
}

} // namespace

int itemCount(Control* control) {
    return listItemCount(itemSource(control));
}
const char* itemText(Control* control, int index) {
    return listItemText(itemSource(control), index);
}
int selectedItemCount(Control* control) {
    return listSelectionCount(itemSource(control));
}
const char* selectedItemText(Control* control, int position) {
    Control* source = itemSource(control);
    return listItemText(source, listSelectedIndex(source, position));
}

void setGroupLabel(Control* group, const char* text) {
    setLabel(group, text);
    if (Control* caption = childOfType(group, LUI_TEXT)) setLabel(caption, text);
}

} // namespace ui
