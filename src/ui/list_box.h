// The list box (type 27): rows of items, one selected by a click or several
// with Ctrl-clicks, and a scroll bar named "list box scroll" along its right
// edge. Its items and selection are reached through item_list.h.
#pragma once

#include "ui/item_list.h"

namespace ui {

// Rows are the list font's height + 2 high.
int listRowHeight();

extern const ControlClass listBoxClass;

} // namespace ui
