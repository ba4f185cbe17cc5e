// The combo box (type 17): the first selected item in a box that drops down
// the list of items; choosing one closes it and runs the command. Its scroll
// bar, named "combo box scroll", shows in the drop-down when the items
// outnumber its rows. Items and selection are reached through item_list.h.
#pragma once

#include "ui/item_list.h"

namespace ui {

struct ComboBoxData : ListData {
    int dropped = 0;
    int barGesture = 0; // a press on the drop-down's scroll bar is being followed
};

// The record of a combo box; null for other controls.
ComboBoxData* comboBoxData(const Control* control);
// Rows of the drop-down are the list font's height + 4 high.
int comboRowHeight();

extern const ControlClass comboBoxClass;

} // namespace ui
