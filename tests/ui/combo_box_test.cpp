// The combo box under the pointer: opening, choosing, closing, and the
// drop-down's scroll bar, which keeps the list open while it is used.
#include <gtest/gtest.h>

#include <string>

#include "control_frame.h"
#include "toolkit_fixture.h"
#include "ui/combo_box.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/scroll_bar.h"

using namespace ui;

namespace {

int commands = 0;

// A combo box at (10, 10), 80 wide, holding `count` items "item 0", "item 1", …
Control* makeCombo(int count) {
    Control* combo = createControl(LUI_COMBO_BOX, "combo");
    for (int i = 0; i < count; ++i)
        appendListItem(combo, ("item " + std::to_string(i)).c_str());
    commands = 0;
    comboBoxData(combo)->command.setNative([](Control*) { return ++commands; });
    return combo;
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
