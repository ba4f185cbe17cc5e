// The desktop's pure parts: what a start-menu level lists and where its
// levels, rows and task buttons lie, the clock's text and the message box's
// button sets; and the task buttons of a narrow bar driven by presses.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "platform/glut_backend.h"
#include "support/script_run.h"
#include "toolkit_fixture.h"
#include "ui/clock.h"
#include "ui/control_types.h"
#include "ui/message_box.h"
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

TEST(StartMenuLevels, AnEmptyFirstLevelIs108WideAndOtherLevelsFitTheirWidestEntry) {
    EXPECT_EQ(firstLevelBox(menuLevelWidth(0, true), menuLevelHeight(0, 17)),
              (LevelBox{0, -10, 108, 10}));
    EXPECT_EQ(menuLevelWidth(77, true), 108);
    EXPECT_EQ(menuLevelWidth(79, true), 109);
    EXPECT_EQ(menuLevelWidth(10, false), 40);
    EXPECT_EQ(menuLevelHeight(3, 17), 61);
}

TEST(StartMenuLevels, ALevelOpensBesideItsEntryAndRowsTakeTheirPadding) {
    const LevelBox first = firstLevelBox(108, 61);
    // Opened from the second row (y -39 to -22 of the bar): bottoms level.
    const LevelBox second = nextLevelBox(first, 1, 66, 44, 17);
    EXPECT_EQ(second, (LevelBox{108, -66, 66, 44}));
    EXPECT_EQ(entryTop(first, 1, 17) + 17, second.top + second.height);

    struct Case {
        const char* name;
        int x, y, entry;
    } cases[] = {
        {"top padding", 10, -61, 0},           {"first row", 10, -56, 0},
        {"last of the first row", 10, -40, 0}, {"second row", 10, -39, 1},
        {"bottom padding", 10, -1, 2},         {"below the level", 10, 0, -1},
        {"above the level", 10, -62, -1},      {"right of it", 108, -30, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryAt(first, 3, 17, c.x, c.y), c.entry) << c.name;
    EXPECT_EQ(entryAt(firstLevelBox(108, 10), 0, 17, 10, -5), -1) << "an empty level";
}

TEST(TaskButtons, ShrinkOnceTheBarCannotHoldHundredPixelButtons) {
    EXPECT_EQ(taskButtonWidth(600, 3), 100);
    EXPECT_EQ(taskButtonWidth(600, 4), 87);
    EXPECT_EQ(taskButtonWidth(245, 1), 0) << "a bar narrower than its fixed parts";

    struct Case {
        const char* name;
        int x, index;
    } cases[] = {
        {"the left end", 120, -1}, {"first pixel", 121, 0}, {"the gap after it", 211, 0},
        {"the second", 212, 1},    {"the fourth", 470, 3},  {"the clock's side", 480, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(taskButtonAt(600, 4, c.x), c.index) << c.name;
    EXPECT_EQ(taskButtonAt(1024, 2, 400), -1) << "past the last button";
    EXPECT_EQ(taskButtonAt(1024, 0, 200), -1) << "no tasks";
    EXPECT_EQ(taskButtonAt(245, 1, 122), 0) << "a button of no width, and its gap";
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

TEST(ClockText, StoringTheTimeTellsWhetherItChanged) {
    ClockTime fields;
    std::tm now{};
    now.tm_hour = 9;
    now.tm_min = 30;
    now.tm_mday = 1;
    now.tm_year = 126;
    EXPECT_TRUE(storeClockTime(fields, now));
    now.tm_sec = 59;
    EXPECT_FALSE(storeClockTime(fields, now)) << "seconds are not shown";
    now.tm_min = 31;
    EXPECT_TRUE(storeClockTime(fields, now));
    EXPECT_EQ(fields, (ClockTime{9, 31, 1, 0, 126}));
}

TEST(MessageBoxButtons, TypesOneToSevenHaveTheirRowsOthersNone) {
    auto labels = [](int type) {
        std::string joined;
        for (const char* label : messageBoxLabels(type))
            joined += std::string(label) + "|";
        return joined;
    };
    EXPECT_EQ(labels(1), "Ok|");
    EXPECT_EQ(labels(3), "Abort|Retry|Ignore|");
    EXPECT_EQ(labels(7), "Cancel|Try|Continue|");
    for (int type : {0, 8, 16, 32, 64, -1, INT_MAX})
        EXPECT_EQ(labels(type), "") << type;
    EXPECT_EQ(answerForLabel("Continue"), MessageBoxAnswer::Continue);
    EXPECT_EQ(answerForLabel("Ignore"), std::nullopt);
    EXPECT_EQ(answerForLabel("Try"), std::nullopt);
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
