#include "ui/lui_controls.h"

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_types.h"
#include "ui/file_dialog.h"
#include "ui/float_shake.h"
#include "ui/icon_button.h"
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

bool isSliderGroup(const Control* control) {
    int type = controlType(control);
    return type == LUI_FLOAT_SLIDER_GRP || type == LUI_INT_SLIDER_GRP;
}

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

// The float shake's minimum, maximum or step; it has no default.
double shakeBoundOf(const Control* shake, RangeBound bound) {
    return bound == RangeBound::Minimum   ? shakeMinimum(shake)
           : bound == RangeBound::Maximum ? shakeMaximum(shake)
                                          : shakeStep(shake);
}

void setShakeBoundOf(Control* shake, RangeBound bound, double value) {
    if (bound == RangeBound::Minimum) setShakeMinimum(shake, value);
    else if (bound == RangeBound::Maximum) setShakeMaximum(shake, value);
    else setShakeStep(shake, value);
}

} // namespace

Callback* commandOf(Control* control) {
    if (ButtonData* button = buttonData(control)) return &button->command;
    if (CheckBoxData* checkBox = checkBoxData(control)) return &checkBox->command;
    if (FieldData* field = fieldData(control)) return &field->command;
    if (ListData* list = listData(control)) return &list->command;
    if (ScrollBarData* bar = scrollBarData(control)) return &bar->command;
    if (isSliderGroup(control) && control->data)
        return &static_cast<SliderGroupData*>(control->data)->command;
    return sliderCommand(control);
}

double rangeBound(Control* control, RangeBound bound) {
    if (floatShakeData(control) && bound != RangeBound::Default)
        return shakeBoundOf(control, bound);
    if (const Control* slider = rangeSlider(control)) {
        switch (bound) {
        case RangeBound::Minimum:
            return sliderMinimum(slider);
        case RangeBound::Maximum:
            return sliderMaximum(slider);
        case RangeBound::Step:
            return sliderStep(slider);
        case RangeBound::Default:
            return sliderDefault(slider);
        }
    }
    return bound == RangeBound::Maximum ? kNoRangeMaximum : kNoRangeMinimum;
}

void setRangeBound(Control* control, RangeBound bound, double value) {
    if (floatShakeData(control)) {
        if (bound != RangeBound::Default) setShakeBoundOf(control, bound, value);
        return;
    }
    if (Control* slider = rangeSlider(control)) {
        switch (bound) {
        case RangeBound::Minimum:
            return setSliderMinimum(slider, value);
        case RangeBound::Maximum:
            return setSliderMaximum(slider, value);
        case RangeBound::Step:
            return setSliderStep(slider, value);
        case RangeBound::Default:
            return setSliderDefault(slider, value);
        }
    }
}

namespace {

// A file dialog shows its folder in its list box.
Control* itemSource(Control* control) {
    return controlType(control) == LUI_FILE_DIALOG ? fileDialogList(control) : control;
}

} // namespace

bool holdsItems(const Control* control) {
    return hasItemList(control);
}
void clearItems(Control* control) {
    setListItemCount(control, 0);
}
void appendItem(Control* control, const char* text) {
    appendListItem(control, text);
}
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

Callback* fileDialogCommand(Control* control) {
    return fileDialogOkCommand(control);
}
void setFileDialogPath(Control* control, const char* path) {
    setFileDialogFolder(control, path);
}
const char* fileDialogPath(Control* control) {
    return fileDialogChosenPath(control);
}

} // namespace ui
