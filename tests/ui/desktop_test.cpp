// The desktop's pure parts: what a start-menu level lists, where its rows
// and the task buttons lie, the clock's text; and the task buttons and keys
// of a narrow bar driven through the toolkit's events.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/glut_backend.h"
#include "support/script_run.h"
#include "toolkit_fixture.h"
#include "ui/clock.h"
#include "ui/control_types.h"
#include "ui/start_menu.h"
#include "ui/window.h"

using namespace ui;

namespace {

namespace fs = std::filesystem;

std::vector<MenuEntry> Folders(std::initializer_list<const char*> names) {
    std::vector<MenuEntry> entries;
    for (const char* name : names)
        entries.push_back({name, true});
    return entries;
}

TEST(StartMenuListing, FoldersFirstThenLuaScriptsEachInByteOrderWithoutDotNames) {
    const fs::path root = MakeWorkDir();
    for (const char* folder : {"b", "Zeta", "alpha", ".git", "\xc3\xa9t\xc3\xa9", "Empty"})
        fs::create_directories(root / folder);
    for (const char* file : {"run.lua", "Apple.lua", "notes.txt", "xlua", "old.xlua", "readme_lua",
                             ".hidden.lua", "b/inside.lua", "Empty/.keep"})
        std::ofstream(root / file) << "print(1)";

    std::vector<MenuEntry> expected = Folders({"Empty", "Zeta", "alpha", "b", "\xc3\xa9t\xc3\xa9"});
    expected.push_back({"Apple", false});
    expected.push_back({"run", false});
    EXPECT_EQ(listMenuFolder(root.string()), expected);
    EXPECT_EQ(listMenuFolder((root / "Empty").string()), std::vector<MenuEntry>{});
    EXPECT_EQ(listMenuFolder((root / "missing").string()), std::vector<MenuEntry>{});
}

TEST(StartMenuLevels, AnEmptyFirstLevelIs108WideAndRowsTakeThePaddingBesideThem) {
    EXPECT_EQ(firstLevelBox(menuLevelWidth(0, true), menuLevelHeight(0, 17)),
              (LevelBox{0, -10, 108, 10}));
    EXPECT_EQ(menuLevelWidth(79, true), 109);
    EXPECT_EQ(menuLevelWidth(10, false), 40);
    EXPECT_EQ(entryAt(firstLevelBox(108, 10), 0, 17, 10, -5), -1) << "an empty level";

    // Three rows 17 high between 5 pixels of padding, on the bar's top edge.
    const LevelBox level = firstLevelBox(108, 61);
    struct Case {
        const char* name;
        int x, y, entry;
    } cases[] = {
        {"top padding", 10, -61, 0},    {"last of the first row", 10, -40, 0},
        {"second row", 10, -39, 1},     {"bottom padding", 10, -1, 2},
        {"below the level", 10, 0, -1}, {"right of it", 108, -30, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryAt(level, 3, 17, c.x, c.y), c.entry) << c.name;
}

// The narrow bar below presses the buttons; here the ends of the row.
TEST(TaskButtons, NoneIsHitPastTheRowOrWithoutTasks) {
    EXPECT_EQ(taskButtonAt(1024, 2, 400), -1) << "past the last button";
    EXPECT_EQ(taskButtonAt(1024, 0, 200), -1) << "no tasks";
    EXPECT_EQ(taskButtonAt(600, 4, 480), -1) << "the clock's side";
    // A bar narrower than its fixed parts: buttons of no width, no division by zero.
    EXPECT_EQ(taskButtonAt(245, 1, 122), 0);
}

TEST(ClockText, TwoDigitFieldsAndTheWholeYear) {
    char text[kClockTextSize];
    const ClockTime evening{.hour = 19, .minute = 5, .day = 7, .month = 2, .year = 126};
    formatClockTime(evening, text);
    EXPECT_STREQ(text, "19 : 05");
    formatClockDate(evening, text);
    EXPECT_STREQ(text, "07 / 03 / 2026");
    formatClockDate({.day = 31, .month = 11, .year = 99}, text);
    EXPECT_STREQ(text, "31 / 12 / 1999");
}

// A 600-pixel screen: three task buttons are 100 wide, four are 87.
class NarrowTaskBar : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        createControl(LUI_START_MENU, "");
        platform::DeliverReshape(600, 400);
    }
};

TEST_F(NarrowTaskBar, TheFourthWindowShrinksEveryTaskButton) {
    Control* windows[4];
    for (int i = 0; i < 3; ++i)
        windows[i] = createControl(LUI_WINDOW, nullptr);
    const int barMiddle = 400 - startMenuBarHeight() / 2;
    // x 214 is on the first of three 100-pixel buttons: the active first
    // window would be minimised, the inactive one comes to the front.
    click(214, barMiddle);
    EXPECT_EQ(rootControl()->children.front(), windows[0]);

    windows[3] = createControl(LUI_WINDOW, nullptr);
    ASSERT_EQ(taskList().size(), 4u);
    // Now 87 wide, x 214 is on the second.
    click(214, barMiddle);
    EXPECT_EQ(rootControl()->children.front(), windows[1]);
    click(214, barMiddle);
    EXPECT_EQ(windowData(windows[1])->minimised, 1);
    EXPECT_FALSE(taskList()[1].active);
}

} // namespace

namespace {

// Keys are offered at the pointer's place mirrored top to bottom, so a
// pointer near the top of the screen sends them to the bar: it passes them on.
TEST_F(NarrowTaskBar, KeysOverTheBarReachTheShell) {
    sendKey(27, 300, 1);
    EXPECT_EQ(eventLog, "hook key 27,0 @300,1\n");
}

} // namespace
