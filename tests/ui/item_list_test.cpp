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

TEST(ItemList, TheSelectionKeepsItsOrderHoldsNoIndexTwiceAndLosesWhatAShorterListDrops) {
    ItemList items;
    for (const char* text : {"alpha", "beta", "gamma"})
        items.append(text);
    for (int index : {2, 0, 2, 3, -1})
        items.select(index);
    EXPECT_EQ(selection(items), (std::vector<int>{2, 0}));
    for (int index : {2, 1, 2})
        items.toggle(index);
    EXPECT_EQ(selection(items), (std::vector<int>{0, 1, 2}));
    ASSERT_TRUE(items.setCount(2));
    EXPECT_EQ(selection(items), (std::vector<int>{0, 1}));
    ASSERT_TRUE(items.setCount(3));
    EXPECT_STREQ(items.text(2), "");
    EXPECT_FALSE(items.isSelected(2)) << "a new item where a selected one was";
    items.selectOnly(7);
    EXPECT_EQ(selection(items), (std::vector<int>{0, 1})) << "no such item";
    EXPECT_EQ(items.text(3), nullptr);
    EXPECT_FALSE(items.setText(3, "x"));
    EXPECT_FALSE(items.setCount(-1));
}

TEST(ItemList, CountsAndTextsBeyondTheStorageBoundAreRefusedWhole) {
    // Room for three items and 20 bytes of text, of which they take 14.
    ItemList items(3 * sizeof(std::string) + 20);
    for (const char* text : {"alpha", "beta", "gamma"})
        ASSERT_TRUE(items.append(text));
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
    // Three rows 10 high from y = 4.
    const std::tuple<const char*, int, int, int> rows[] = {
        {"above the first row", 3, 0, -1}, {"the first row", 4, 0, 0},
        {"its last pixel", 13, 0, 0},      {"scrolled by a row", 4, 10, 1},
        {"past the last item", 34, 0, -1},
    };
    for (auto [name, y, scroll, row] : rows)
        EXPECT_EQ(rowAt(y, 4, scroll, 10, 3), row) << name;

    const std::tuple<const char*, float, long long, int> offsets[] = {
        {"half way", 50, 300, 100},
        {"at the end", 100, 300, 200},
        {"everything fits", 100, 100, 0},
        {"beyond the range", 250, 300, 200},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), 300, 0},
    };
    for (auto [name, position, content, offset] : offsets)
        EXPECT_EQ(scrollOffset(position, content, 100), offset) << name;
}

} // namespace
