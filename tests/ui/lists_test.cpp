// List and combo boxes under the pointer: clicks and Ctrl-clicks on rows,
// the scroll bars moving the rows, the combo box's drop-down opening and
// closing, and the selected rows on screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_frame.h"
#include "platform/glut_backend.h"
#include "toolkit_fixture.h"
#include "ui/combo_box.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/list_box.h"
#include "ui/scroll_bar.h"

using namespace ui;

namespace {

int commands = 0;

std::vector<int> selection(const Control* list) {
    std::vector<int> indices;
    for (int position = 0; position < listSelectionCount(list); ++position)
        indices.push_back(listSelectedIndex(list, position));
    return indices;
}

// A list or combo box at (10, 10), 80 wide, holding `count` items "item 0",
// "item 1", …, counting its commands.
Control* makeItems(int type, const char* name, int count) {
    Control* control = createControl(type, name);
    for (int i = 0; i < count; ++i)
        appendListItem(control, ("item " + std::to_string(i)).c_str());
    commands = 0;
    listData(control)->command.setNative([](Control*) { return ++commands; });
    return control;
}
Control* makeList(int count) {
    return makeItems(LUI_LIST_BOX, "list", count);
}
Control* makeCombo(int count) {
    return makeItems(LUI_COMBO_BOX, "combo", count);
}

// The middle of a row on screen, the list not scrolled: rows start 4 pixels
// into the list.
int rowY(int row) {
    return 10 + 4 + row * listRowHeight() + listRowHeight() / 2;
}

void ctrlClick(int x, int y) {
    for (int state : {kButtonDown, kButtonUp})
        platform::DeliverInput(
            {platform::InputKind::MouseButton, kLeftButton, state, x, y, platform::kCtrlModifier});
}

using ListBoxInput = ToolkitTest;

TEST_F(ListBoxInput, AClickSelectsOneRowCtrlClicksAddAndRemoveRowsAndEachRunsTheCommand) {
    Control* list = makeList(5);
    click(30, rowY(1));
    ctrlClick(30, rowY(3));
    ctrlClick(30, rowY(0));
    EXPECT_EQ(selection(list), (std::vector<int>{1, 3, 0}));
    ctrlClick(30, rowY(1));
    EXPECT_EQ(selection(list), (std::vector<int>{3, 0}));
    click(30, rowY(4));
    EXPECT_EQ(selection(list), (std::vector<int>{4}));
    EXPECT_EQ(commands, 5);

    // A row reaches down to its last pixel; below the last row and above the
    // first nothing is chosen.
    click(30, 10 + 4 + listRowHeight() - 1);
    EXPECT_EQ(selection(list), (std::vector<int>{0}));
    click(30, rowY(5));
    click(30, 12);
    EXPECT_EQ(selection(list), (std::vector<int>{0}));
    EXPECT_EQ(commands, 6);
    // The integer value chooses a row alone, and only a row that exists.
    setInt(list, 2);
    setInt(list, 5);
    EXPECT_EQ(selection(list), (std::vector<int>{2}));
}

TEST_F(ListBoxInput, TheScrollBarMovesTheRowsUntilTheLastShowsAndANewCountStartsAtTheTop) {
    Control* list = makeList(20);
    Control* bar = findControl("list box scroll");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parent, list);
    EXPECT_EQ((std::vector<int>{bar->x, bar->y, bar->width, bar->height}),
              (std::vector<int>{70, 0, 10, list->height}));

    // A press on the track below the thumb moves the bar by the thumb's 30
    // percent, and the rows by 30 percent of what does not fit.
    click(85, 60);
    ASSERT_FLOAT_EQ(scrollBarPosition(bar), 30);
    const int hidden = 20 * listRowHeight() + 8 - list->height;
    const int scroll = hidden * 30 / 100;
    EXPECT_EQ(listData(list)->scroll, scroll);
    click(30, rowY(0));
    EXPECT_EQ(selection(list), (std::vector<int>{scroll / listRowHeight()}));

    dragAlong({{85, 40}, {85, 500}}); // the thumb to the bottom
    ASSERT_FLOAT_EQ(scrollBarPosition(bar), 100);
    click(30, 10 + list->height - 6);
    EXPECT_EQ(selection(list), (std::vector<int>{19})) << "the last row at the bottom";

    setListItemCount(list, 3);
    EXPECT_EQ(listData(list)->scroll, 0);
    EXPECT_FLOAT_EQ(scrollBarPosition(bar), 0);
    EXPECT_EQ(selection(list), (std::vector<int>{})) << "the chosen row is gone";
    // Resizing moves the bar along the right edge.
    setSize(list, 120, 10);
    EXPECT_EQ((std::vector<int>{bar->x, bar->height}), (std::vector<int>{110, list->height}));
    EXPECT_GT(list->height, 10) << "no lower than a row and its margins";
}

// A destroyed or moved scroll bar leaves the list box working without it.
TEST_F(ListBoxInput, TheListOutlivesItsScrollBar) {
    Control* list = makeList(3);
    destroyControl(findControl("list box scroll"));
    setSize(list, 100, 100);
    click(85, rowY(2));
    EXPECT_EQ(selection(list), (std::vector<int>{2}));
    EXPECT_TRUE(setListItemCount(list, 0));
}

using ListBoxDrawing = ControlFrameTest;

TEST_F(ListBoxDrawing, SelectedRowsLieOnTheHighlightAndTheOthersOnWhite) {
    Control* list = makeList(3);
    setSize(list, 150, list->height);
    selectListItem(list, 1);
    render();
    const auto colourAt = [this](int row) {
        const Pixel p = pixel(140, rowY(row));
        return std::vector<int>{p.r, p.g, p.b};
    };
    const Rgb highlight = getColour(LUI_COLOR_HIGHLIGHT);
    EXPECT_EQ(colourAt(0), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ(colourAt(1), (std::vector<int>{static_cast<int>(highlight.r * 255 + 0.5f),
                                             static_cast<int>(highlight.g * 255 + 0.5f),
                                             static_cast<int>(highlight.b * 255 + 0.5f)}));
    EXPECT_EQ(colourAt(2), colourAt(0));
    // The texts in the window text colour, black, at the left of each row.
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(darkPixels(12, rowY(row) - 6, 80, rowY(row) + 6), 10) << row;
}

// The middle of a drop-down row on screen, the rows not scrolled.
int dropDownRowY(const Control* combo, int row) {
    return 10 + combo->height + row * comboRowHeight() + comboRowHeight() / 2;
}

using ComboBoxInput = ToolkitTest;

TEST_F(ComboBoxInput, ChoosingARowClosesTheListAndRunsTheCommandAndAClickElsewhereOnlyCloses) {
    Control* combo = makeCombo(3);
    EXPECT_EQ(combo->height, fontHeight(fontForRole(1)) + 12);
    click(40, 20);
    ASSERT_TRUE(comboBoxData(combo)->dropped);
    EXPECT_EQ(capturedControl(), combo);
    click(40, dropDownRowY(combo, 2));
    EXPECT_FALSE(comboBoxData(combo)->dropped);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(listSelectedIndex(combo, 0), 2);
    EXPECT_EQ(commands, 1);

    // A press elsewhere closes the list and goes on to the desktop; a click on
    // the box closes it too; neither chooses.
    click(40, 20);
    press(500, 400);
    EXPECT_FALSE(comboBoxData(combo)->dropped);
    click(40, 20);
    click(40, 20);
    EXPECT_FALSE(comboBoxData(combo)->dropped);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(commands, 1);
    EXPECT_NE(eventLog.find("hook button 0,0 @500,400\n"), std::string::npos) << eventLog;

    // A release over the box that it did not see pressed leaves it shut.
    Control* button = makeProbe(rootControl(), "probe", 200, 10, 50, 20, &silentProbeClass);
    press(210, 15);
    setCapture(button);
    release(40, 20);
    EXPECT_FALSE(comboBoxData(combo)->dropped);
}

TEST_F(ComboBoxInput, TheScrollBarShowsForMoreItemsThanRowsAndScrollsWithoutClosingTheList) {
    Control* combo = makeCombo(10);
    Control* bar = findControl("combo box scroll");
    ASSERT_NE(bar, nullptr);
    const int rows = comboBoxData(combo)->visibleRows, rowHeight = comboRowHeight();
    EXPECT_EQ((std::vector<int>{bar->x, bar->y, bar->width, bar->height}),
              (std::vector<int>{70, combo->height, 10, rows * rowHeight}));
    click(40, 20);
    ASSERT_TRUE(bar->shown);

    // On the track below the thumb: the bar moves by its thumb's 30 percent
    // and the rows by 30 percent of what does not fit in the drop-down.
    const int barTop = 10 + combo->height;
    click(85, barTop + 50);
    EXPECT_FLOAT_EQ(scrollBarPosition(bar), 30);
    const int scroll = (10 - rows) * rowHeight * 30 / 100;
    EXPECT_EQ(comboBoxData(combo)->scroll, scroll);
    EXPECT_TRUE(comboBoxData(combo)->dropped);
    EXPECT_EQ(capturedControl(), combo);

    // Dragging the thumb to the end shows the last row at the bottom.
    dragAlong({{85, barTop + 30}, {85, 700}});
    EXPECT_FLOAT_EQ(scrollBarPosition(bar), 100);
    EXPECT_TRUE(comboBoxData(combo)->dropped);
    click(40, barTop + rows * rowHeight - 2);
    EXPECT_EQ(listSelectedIndex(combo, 0), 9);
    EXPECT_FALSE(bar->shown);
    EXPECT_EQ(commands, 1);

    // With no more items than rows the bar stays hidden and its strip is a row.
    setListItemCount(combo, rows);
    click(40, 20);
    EXPECT_FALSE(bar->shown);
    click(85, dropDownRowY(combo, 1));
    EXPECT_EQ(listSelectedIndex(combo, 0), 1);
}

using ComboBoxDrawing = ControlFrameTest;

TEST_F(ComboBoxDrawing, TheBoxShowsTheChosenItemAndTheOpenListLiesBelowIt) {
    Control* combo = makeCombo(3);
    setSize(combo, 150, combo->height);
    render();
    const int textY = 10 + combo->height / 2;
    EXPECT_EQ(darkPixels(18, textY - 6, 130, textY + 6), 0) << "nothing chosen yet";
    EXPECT_GT(darkPixels(140, textY - 3, 152, textY + 3), 3) << "the triangle";
    setInt(combo, 1);
    render();
    EXPECT_GT(darkPixels(18, textY - 6, 130, textY + 6), 10);
    EXPECT_EQ(pixel(80, dropDownRowY(combo, 1)).r, 64);

    click(40, 20);
    render();
    const Rgb highlight = getColour(LUI_COLOR_HIGHLIGHT);
    const Pixel row = pixel(140, dropDownRowY(combo, 1));
    EXPECT_EQ(row.b, static_cast<int>(highlight.b * 255 + 0.5f));
    EXPECT_GT(darkPixels(18, dropDownRowY(combo, 0) - 6, 130, dropDownRowY(combo, 0) + 6), 10);
}

} // namespace
