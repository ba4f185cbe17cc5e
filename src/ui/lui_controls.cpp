#include "ui/lui_controls.h"

#include <type_traits>

#include "ui/control_types.h"
#include "ui/slider.h"

namespace ui {

// Command-carrying types keep their Callback first, so data points at it.
static_assert(std::is_standard_layout_v<Callback>);

void moveCurrentParentUp() {
    Control* parent = currentParent()->parent;
    setCurrentParent(parent ? parent : rootControl());
}

Callback* commandOf(Control* control) {
    switch (controlType(control)) {
    case LUI_ARROW_BUTTON:
    case LUI_BUTTON:
    case LUI_CHECKBOX:
    case LUI_COMBO_BOX:
    case LUI_FLOATFIELD:
    case LUI_FLOAT_SLIDER:
    case LUI_FLOAT_SLIDER_GRP:
    case LUI_ICON_BUTTON:
    case LUI_INTFIELD:
    case LUI_INT_SLIDER:
    case LUI_INT_SLIDER_GRP:
    case LUI_LIST_BOX:
    case LUI_TEXTFIELD:
    case LUI_SCROLL_BAR:
    case LUI_FLOAT_SHAKE:
        return static_cast<Callback*>(control->data);
    default:
        return nullptr;
    }
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
    case LUI_INT_SLIDER_GRP:
        for (Control* child : control->children)
            if (isSlider(child)) return child;
        return nullptr;
    default:
        return nullptr;
    }
}

} // namespace

double rangeBound(Control* control, RangeBound bound) {
    if (const Control* slider = rangeSlider(control)) {
        switch (bound) {
        case RangeBound::Minimum: return sliderMinimum(slider);
        case RangeBound::Maximum: return sliderMaximum(slider);
        case RangeBound::Step: return sliderStep(slider);
        case RangeBound::Default: return sliderDefault(slider);
        }
    }
    return bound == RangeBound::Maximum ? kNoRangeMaximum : kNoRangeMinimum;
}

void setRangeBound(Control* control, RangeBound bound, double value) {
    if (Control* slider = rangeSlider(control)) {
        switch (bound) {
        case RangeBound::Minimum: return setSliderMinimum(slider, value);
        case RangeBound::Maximum: return setSliderMaximum(slider, value);
        case RangeBound::Step: return setSliderStep(slider, value);
        case RangeBound::Default: return setSliderDefault(slider, value);
        }
    }
}

bool holdsItems(const Control*) {
    return false;
}
void clearItems(Control*) {}
void appendItem(Control*, const char*) {}
int itemCount(Control*) {
    return 0;
}
const char* itemText(Control*, int) {
    return nullptr;
}
int selectedItemCount(Control*) {
    return 0;
}
const char* selectedItemText(Control*, int) {
    return nullptr;
}

void setGroupLabel(Control* group, const char* text) {
    setLabel(group, text);
    for (Control* child : group->children)
        if (controlType(child) == LUI_TEXT) return setLabel(child, text);
}

Callback* fileDialogCommand(Control*) {
    return nullptr;
}
void setFileDialogPath(Control*, const char*) {}
const char* fileDialogPath(Control*) {
    return nullptr;
}

Callback* messageBoxAnswer(Control*, MessageBoxAnswer) {
    return nullptr;
}
void setMessageBoxText(Control*, const char*) {}
void setMessageBoxIcon(Control*, int) {}
void setMessageBoxType(Control*, int) {}

} // namespace ui
