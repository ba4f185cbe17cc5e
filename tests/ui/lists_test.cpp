// List and combo boxes under the pointer: Ctrl-clicks, the rows a click can
// reach, the combo box's drop-down and its scroll bar, and the selected rows
// on screen. Plain clicks and scrolling are driven from lists/lists.lua.
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

// A list or combo box at (10, 10), 80 wide, holding `count` items, counting
// its commands.
Control* makeItems(int type, int count) {
    Control* control = createControl(type, "items");
    for (int i = 0; i < count; ++i)
        appendListItem(control, ("item " + std::to_string(i)).c_str());
    commands = 0;
    listData(control)->command.setNative([](Control*) { return ++commands; });
    return control;
}

// The middle of a list box row on screen: rows start 4 pixels in.
int rowY(int row) {
    return 10 + 4 + row * listRowHeight() + listRowHeight() / 2;
}
// The middle of a drop-down row on screen, below the combo box.
int dropDownRowY(const Control* combo, int row) {
    return 10 + combo->height + row * comboRowHeight() + comboRowHeight() / 2;
}

void ctrlClick(int x, int y) {
    for (int state : {kButtonDown, kButtonUp})
        platform::DeliverInput(
            {platform::InputKind::MouseButton, kLeftButton, state, x, y, platform::kCtrlModifier});
}

using ListInput = ToolkitTest;

TEST_F(ListInput, CtrlClicksAddAndRemoveRowsAndOnlyRowsThatShowAreChosen) {
    Control* list = makeItems(LUI_LIST_BOX, 5);
    click(30, rowY(1));
    ctrlClick(30, rowY(3));
    ctrlClick(30, rowY(0));
    EXPECT_EQ(selection(list), (std::vector<int>{1, 3, 0}));
    ctrlClick(30, rowY(1));
    EXPECT_EQ(selection(list), (std::vector<int>{3, 0}));
    // A row takes clicks down to its last pixel; the margin above the first
    // row and the space below the last choose nothing.
    click(30, 10 + 4 + listRowHeight() - 1);
    click(30, rowY(5));
    click(30, 12);
    EXPECT_EQ(selection(list), (std::vector<int>{0}));
    EXPECT_EQ(commands, 5);
    setInt(list, 2);
    setInt(list, 5);
    EXPECT_EQ(selection(list), (std::vector<int>{2}));
}

TEST_F(ListInput, ANewCountStartsAtTheTopAndTheListOutlivesItsScrollBar) {
    Control* list = makeItems(LUI_LIST_BOX, 20);
    Control* bar = findControl("list box scroll");
    click(85, 60); // the track below the thumb
    EXPECT_GT(listData(list)->scroll, 0);
    setListItemCount(list, 3);
    EXPECT_EQ(listData(list)->scroll, 0);
    EXPECT_FLOAT_EQ(scrollBarPosition(bar), 0);
    setSize(list, 120, 100);
    EXPECT_EQ((std::vector<int>{bar->x, bar->height}), (std::vector<int>{110, list->height}));
    destroyControl(bar);
    click(115, rowY(2));
    EXPECT_EQ(selection(list), (std::vector<int>{2}));
}

TEST_F(ListInput, ChoosingInAComboBoxClosesItAndRunsTheCommandAndAClickElsewhereOnlyCloses) {
    Control* combo = makeItems(LUI_COMBO_BOX, 3);
    const ComboBoxData* data = comboBoxData(combo);
    click(40, 20);
    ASSERT_TRUE(data->dropped);
    click(40, dropDownRowY(combo, 2));
    EXPECT_FALSE(data->dropped);
    EXPECT_EQ(selection(combo), (std::vector<int>{2}));
    EXPECT_EQ(commands, 1);

    // Elsewhere the press goes on to the desktop; on the box the release
    // closes the list.
    click(40, 20);
    press(500, 400);
    EXPECT_FALSE(data->dropped);
    EXPECT_NE(eventLog.find("hook button 0,0 @500,400\n"), std::string::npos) << eventLog;
    click(40, 20);
    click(40, 20);
    EXPECT_FALSE(data->dropped);
    EXPECT_EQ(capturedControl(), nullptr);
    // A release over the box that it did not see pressed leaves it shut.
    setCapture(makeProbe(rootControl(), "probe", 200, 10, 50, 20, &silentProbeClass));
    release(40, 20);
    EXPECT_FALSE(data->dropped);
    EXPECT_EQ(commands, 1);
}

TEST_F(ListInput, TheDropDownsScrollBarScrollsWithoutClosingItUntilTheLastRowShows) {
    Control* combo = makeItems(LUI_COMBO_BOX, 10);
    Control* bar = findControl("combo box scroll");
    const int rows = comboBoxData(combo)->visibleRows, barTop = 10 + combo->height;
    click(40, 20);
    ASSERT_TRUE(bar->shown);
    dragAlong({{85, barTop + 15}, {85, 700}}); // the thumb to the end
    EXPECT_FLOAT_EQ(scrollBarPosition(bar), 100);
    EXPECT_TRUE(comboBoxData(combo)->dropped);
    EXPECT_EQ(capturedControl(), combo);
    click(40, barTop + rows * comboRowHeight() - 2);
    EXPECT_EQ(selection(combo), (std::vector<int>{9}));
    EXPECT_FALSE(bar->shown);

    // With no more items than rows the bar stays hidden and its strip is a row.
    setListItemCount(combo, rows);
    click(40, 20);
    EXPECT_FALSE(bar->shown);
    click(85, dropDownRowY(combo, 1));
    EXPECT_EQ(selection(combo), (std::vector<int>{1}));
}

using ListDrawing = ControlFrameTest;

TEST_F(ListDrawing, SelectedRowsLieOnTheHighlightAndTheOthersOnWhiteWithBlackText) {
    Control* list = makeItems(LUI_LIST_BOX, 3);
    setSize(list, 150, list->height);
    selectListItem(list, 1);
    render();
    const Rgb highlight = getColour(LUI_COLOR_HIGHLIGHT);
    const Pixel highlighted{static_cast<uint8_t>(highlight.r * 255 + 0.5f),
                            static_cast<uint8_t>(highlight.g * 255 + 0.5f),
                            static_cast<uint8_t>(highlight.b * 255 + 0.5f)};
    EXPECT_TRUE(sameColour(pixel(140, rowY(0)), Pixel{255, 255, 255}));
    EXPECT_TRUE(sameColour(pixel(140, rowY(1)), highlighted));
    EXPECT_TRUE(sameColour(pixel(140, rowY(2)), Pixel{255, 255, 255}));
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(darkPixels(12, rowY(row) - 6, 80, rowY(row) + 6), 10) << row;
}

} // namespace
