#include "ui/lui_controls.h"

#include <type_traits>

#include "ui/control_types.h"

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

double rangeBound(Control*, RangeBound bound) {
    return bound == RangeBound::Maximum ? kNoRangeMaximum : kNoRangeMinimum;
}

void setRangeBound(Control*, RangeBound, double) {}

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
