#include "ui/item_list.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/control_types.h"
#include "ui/scroll_bar.h"

namespace ui {

// ---- ItemList --------------------------------------------------------------

bool ItemList::fits(size_t count, size_t textBytes) const {
    return count <= maxStorage_ / sizeof(std::string) &&
           textBytes <= maxStorage_ - count * sizeof(std::string);
}

bool ItemList::setCount(int count) {
    if (count < 0) return false;
    const auto newCount = static_cast<size_t>(count);
    if (newCount > texts_.size() && !fits(newCount, textBytes_)) return false;
    for (size_t i = newCount; i < texts_.size(); ++i)
        textBytes_ -= texts_[i].size();
    texts_.resize(newCount);
    selected_.resize(newCount, 0);
    std::erase_if(selection_, [count](int index) { return index >= count; });
    return true;
}

bool ItemList::setText(int index, const char* text) {
    if (index < 0 || index >= count()) return false;
    const size_t length = text ? strlen(text) : 0;
    std::string& entry = texts_[index];
    const size_t bytes = textBytes_ - entry.size() + length;
    if (!fits(texts_.size(), bytes)) return false;
    entry.assign(text ? text : "", length);
    textBytes_ = bytes;
    return true;
}

bool ItemList::append(const char* text) {
    if (!setCount(count() + 1)) return false;
    if (setText(count() - 1, text)) return true;
    setCount(count() - 1);
    return false;
}

const char* ItemList::text(int index) const {
    return index >= 0 && index < count() ? texts_[index].c_str() : nullptr;
}

void ItemList::clearSelection() {
    selection_.clear();
    std::fill(selected_.begin(), selected_.end(), 0);
}

int ItemList::selectedIndex(int position) const {
    return position >= 0 && position < selectionCount() ? selection_[position] : -1;
}

void ItemList::select(int index) {
    if (index < 0 || index >= count() || selected_[index]) return;
    selected_[index] = 1;
    selection_.push_back(index);
}

void ItemList::deselect(int index) {
    if (!isSelected(index)) return;
    selected_[index] = 0;
    std::erase(selection_, index);
}

bool ItemList::isSelected(int index) const {
    return index >= 0 && index < count() && selected_[index];
}

void ItemList::toggle(int index) {
    if (isSelected(index))
        deselect(index);
    else
        select(index);
}

void ItemList::selectOnly(int index) {
    if (index < 0 || index >= count()) return;
    clearSelection();
    select(index);
}

// ---- Records -----------------------------------------------------------------

ListData* listData(const Control* control) {
    if (!control || !control->data) return nullptr;
    const int type = controlType(control);
    if (type != LUI_LIST_BOX && type != LUI_COMBO_BOX) return nullptr;
    return static_cast<ListData*>(control->data);
}

// ---- Arithmetic ----------------------------------------------------------------

int rowAt(int y, int top, int scroll, int rowHeight, int count) {
    if (rowHeight <= 0) return -1;
    const long long offset = static_cast<long long>(y) - top + scroll;
    if (offset < 0) return -1;
    const long long row = offset / rowHeight;
    return row < count ? static_cast<int>(row) : -1;
}

int scrollOffset(float position, long long contentHeight, int viewHeight) {
    if (contentHeight <= viewHeight || std::isnan(position)) return 0;
    const double share = std::clamp(position, 0.0f, 100.0f) / 100.0;
    return static_cast<int>((contentHeight - viewHeight) * share);
}

// ---- Control-level access ---------------------------------------------------------

bool hasItemList(const Control* control) {
    return listData(control) != nullptr;
}

int listItemCount(const Control* control) {
    const ListData* list = listData(control);
    return list ? list->items.count() : 0;
}

namespace {

// A new count of items starts at the first row.
bool scrolledToTop(Control* control, ListData* list) {
    list->scroll = 0;
    setScrollBarPosition(childOfType(control, LUI_SCROLL_BAR), 0);
    return true;
}

} // namespace

bool setListItemCount(Control* control, int count) {
    ListData* list = listData(control);
    return list && list->items.setCount(count) && scrolledToTop(control, list);
}

bool appendListItem(Control* control, const char* text) {
    ListData* list = listData(control);
    return list && list->items.append(text) && scrolledToTop(control, list);
}

const char* listItemText(const Control* control, int index) {
    const ListData* list = listData(control);
    return list ? list->items.text(index) : nullptr;
}

int listSelectionCount(const Control* control) {
    const ListData* list = listData(control);
    return list ? list->items.selectionCount() : 0;
}

int listSelectedIndex(const Control* control, int position) {
    const ListData* list = listData(control);
    return list ? list->items.selectedIndex(position) : -1;
}

void selectListItem(Control* control, int index) {
    if (ListData* list = listData(control)) list->items.select(index);
}

void setCurrentListItem(Control* control, int index) {
    if (ListData* list = listData(control)) list->items.selectOnly(index);
}

} // namespace ui
