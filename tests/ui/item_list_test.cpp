// The item model of list and combo boxes: selection order, what a shorter
// list keeps, the storage bound, and the row and scroll arithmetic.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "ui/item_list.h"

using namespace ui;

namespace {

std::vector<int> selection(const ItemList& items) {
    std::vector<int> indices;
    for (int position = 0; position < items.selectionCount(); ++position)
        indices.push_back(items.selectedIndex(position));
    return indices;
}

ItemList threeItems(size_t maxStorage = ItemList::kMaxStorage) {
    ItemList items(maxStorage);
    for (const char* text : {"alpha", "beta", "gamma"})
        items.append(text);
    return items;
}

TEST(ItemList, TheSelectionKeepsTheOrderItemsWereSelectedInAndNoIndexTwice) {
    ItemList items = threeItems();
    items.select(2);
    items.select(0);
    items.select(2);
    items.select(3);
    items.select(-1);
    EXPECT_EQ(selection(items), (std::vector<int>{2, 0}));
    items.toggle(2);
    items.toggle(1);
    items.toggle(2);
    EXPECT_EQ(selection(items), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(items.isSelected(1));
    items.selectOnly(1);
    EXPECT_EQ(selection(items), (std::vector<int>{1}));
    items.selectOnly(7);
    EXPECT_EQ(selection(items), (std::vector<int>{1})) << "no such item";
    EXPECT_EQ(items.selectedIndex(1), -1);
    EXPECT_EQ(items.selectedIndex(-1), -1);
    items.clearSelection();
    EXPECT_FALSE(items.isSelected(1));
}

TEST(ItemList, AShorterListDropsTheSelectionPastItsEndAndALongerOneAddsEmptyItems) {
    ItemList items = threeItems();
    items.select(2);
    items.select(0);
    ASSERT_TRUE(items.setCount(2));
    EXPECT_EQ(selection(items), (std::vector<int>{0}));
    EXPECT_EQ(items.text(2), nullptr);
    ASSERT_TRUE(items.setCount(4));
    EXPECT_STREQ(items.text(3), "");
    EXPECT_FALSE(items.isSelected(2)) << "a new item at a formerly selected index";
    EXPECT_FALSE(items.setText(4, "x"));
    EXPECT_FALSE(items.setText(-1, "x"));
    EXPECT_TRUE(items.setText(1, nullptr));
    EXPECT_STREQ(items.text(1), "");
    EXPECT_FALSE(items.setCount(-1));
    EXPECT_EQ(items.count(), 4);
}

TEST(ItemList, CountsAndTextsBeyondTheStorageBoundAreRefusedWhole) {
    // Room for the three items and 20 bytes of text, of which they take 14.
    ItemList items = threeItems(3 * sizeof(std::string) + 20);
    EXPECT_FALSE(items.setCount(4));
    EXPECT_FALSE(items.append(""));
    EXPECT_FALSE(items.setCount(std::numeric_limits<int>::max()));
    EXPECT_EQ(items.count(), 3);
    EXPECT_FALSE(items.setText(1, "beta and more"));
    EXPECT_STREQ(items.text(1), "beta");
    // What a shorter text frees can be used again.
    ASSERT_TRUE(items.setText(0, ""));
    EXPECT_TRUE(items.setText(1, "beta and more"));
}

TEST(ListArithmetic, RowsUnderThePointerAndScrollOffsets) {
    // Rows 10 high from y = 4.
    const std::tuple<const char*, int, int, int> rows[] = {
        {"above the first row", 3, 0, -1},   {"the first row", 4, 0, 0},
        {"its last pixel", 13, 0, 0},        {"the second row", 14, 0, 1},
        {"scrolled by a row", 4, 10, 1},     {"past the last item", 34, 0, -1},
        {"scrolled to the last", 13, 20, 2},
    };
    for (auto [name, y, scroll, row] : rows)
        EXPECT_EQ(rowAt(y, 4, scroll, 10, 3), row) << name;

    const std::tuple<const char*, float, long long, int, int> offsets[] = {
        {"at the top", 0, 300, 100, 0},
        {"half way", 50, 300, 100, 100},
        {"at the end", 100, 300, 100, 200},
        {"everything fits", 100, 100, 100, 0},
        {"beyond the range", 250, 300, 100, 200},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), 300, 100, 0},
    };
    for (auto [name, position, content, view, offset] : offsets)
        EXPECT_EQ(scrollOffset(position, content, view), offset) << name;
}

} // namespace
