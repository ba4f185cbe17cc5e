// The items and the selection that list boxes and combo boxes share, the
// record both build on, and the item functions the script library and the
// file dialog use on either.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// Texts with a selection kept in the order the items were selected.
class ItemList {
  public:
    // Scripts choose the items: together with their texts they may take no
    // more than this.
    static constexpr size_t kMaxStorage = size_t{256} << 20;

    explicit ItemList(size_t maxStorage = kMaxStorage) : maxStorage_(maxStorage) {}

    int count() const { return static_cast<int>(texts_.size()); }
    // New entries are empty; selected entries past the new end are dropped.
    // Refused (false, nothing changes) for a negative count or one that would
    // not fit the storage bound.
    bool setCount(int count);
    // Copies the text; false for an index outside [0, count) or a text that
    // would not fit the storage bound.
    bool setText(int index, const char* text);
    bool append(const char* text);
    // Null outside [0, count).
    const char* text(int index) const;

    void clearSelection();
    int selectionCount() const { return static_cast<int>(selection_.size()); }
    // The index selected `position`-th; -1 outside [0, selectionCount).
    int selectedIndex(int position) const;
    // Adds a valid index not yet selected at the end of the selection order.
    void select(int index);
    void deselect(int index);
    bool isSelected(int index) const;
    void toggle(int index);
    // Makes a valid index the only one selected.
    void selectOnly(int index);

  private:
    bool fits(size_t count, size_t textBytes) const;

    size_t maxStorage_;

    std::vector<std::string> texts_;
    std::vector<char> selected_; // per item, beside the ordered selection
    std::vector<int> selection_;
    size_t textBytes_ = 0;
};

// The head of the list box's and the combo box's records.
struct ListData {
    Callback command;
    ItemList items;
    int visibleRows = 5;
    int scroll = 0; // pixels the rows are moved up by
};

// The record of a list box or combo box; null for other controls.
ListData* listData(const Control* control);

// ---- Row and scroll arithmetic (no GL) -------------------------------------

// The item under `y` when rows `rowHeight` high start at `top` and are moved
// up by `scroll`; -1 where there is none.
int rowAt(int y, int top, int scroll, int rowHeight, int count);
// How far content `contentHeight` high is moved up in a view `viewHeight`
// high with its scroll bar at `position` (0 to 100); 0 when it all fits.
int scrollOffset(float position, long long contentHeight, int viewHeight);

// ---- Items of list boxes and combo boxes -------------------------------------
// Other controls have no items: the getters give 0, null or false, the
// setters change nothing.

bool hasItemList(const Control* control);
int listItemCount(const Control* control);
// Also scrolls back to the first row. False when refused (see ItemList).
bool setListItemCount(Control* control, int count);
bool appendListItem(Control* control, const char* text);
const char* listItemText(const Control* control, int index);
int listSelectionCount(const Control* control);
int listSelectedIndex(const Control* control, int position);
void selectListItem(Control* control, int index);
// Makes a valid index the only one selected (the integer value both types
// take).
void setCurrentListItem(Control* control, int index);

} // namespace ui
