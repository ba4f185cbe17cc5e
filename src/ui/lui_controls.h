// What the lui script library needs of controls beyond the tree and the
// value slots: listing, commands, slider ranges, list items and group labels.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// ---- Tree ---------------------------------------------------------------------

// Visits the control, then its descendants depth-first in child order.
template <class Visit> void forEachInPreOrder(Control* control, Visit&& visit) {
    visit(control);
    for (Control* child : control->children)
        forEachInPreOrder(child, visit);
}

// Makes the current parent's parent the current parent; at the root, and for
// a detached current parent, creation goes back to the root.
void moveCurrentParentUp();

// ---- Commands -----------------------------------------------------------------

// The command of a command-carrying control; null for other controls.
Callback* commandOf(Control* control);

// ---- Ranges -------------------------------------------------------------------

enum class RangeBound { Minimum, Maximum, Step, Default };

// What a control without a range reports.
constexpr double kNoRangeMaximum = 999999999.0;
constexpr double kNoRangeMinimum = -999999999.0;

// Sliders report their own bounds, slider groups their slider's, the float
// shake its own (it has no default); other controls report kNoRangeMaximum
// as their maximum and kNoRangeMinimum as their minimum and step.
double rangeBound(Control* control, RangeBound bound);
// Through the slider's own value rules (integer sliders truncate); controls
// without a range ignore it.
void setRangeBound(Control* control, RangeBound bound, double value);

// ---- Items --------------------------------------------------------------------

// The items of list and combo boxes and of a file dialog's list; none for
// other controls.
int itemCount(Control* control);
const char* itemText(Control* control, int index);
// The selected items in selection order.
int selectedItemCount(Control* control);
const char* selectedItemText(Control* control, int position);

// ---- Labels -------------------------------------------------------------------

// The label of a slider group is also its caption child's.
void setGroupLabel(Control* group, const char* text);

} // namespace ui
