// The start menu bar along the bottom of the screen: the Start button and
// its cascading menu of the scripts under "startmenu", a button per task, and
// the time.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/start_menu_layout.h"

namespace ui {

// One open level of the menu.
struct MenuLevel {
    std::string path; // "./startmenu" and the folders opened on the way
    std::vector<MenuEntry> entries;
    LevelBox box;
};

struct StartMenuData {
    bool menuOpen = false;
    std::vector<MenuLevel> levels;
    // Under the pointer; -1 for none.
    int pointerLevel = -1;
    int pointerEntry = -1;
};

// The folder the first level lists.
constexpr const char* kMenuRoot = "./";
constexpr const char* kMenuFolder = "startmenu";

// The start menu's record; null for other controls.
StartMenuData* startMenuData(const Control* control);

// The role-1 font's height + 15.
int startMenuBarHeight();
// One menu entry: the role-2 font's height + 5.
int menuRowHeight();
// Lays the bar out along the bottom of the screen; the toolkit calls it when
// the screen's size changes.
void placeStartMenu();

// Opens the menu at its first level, or closes it.
void toggleStartMenu(Control* bar);

extern const ControlClass startMenuClass;

// Drawing (start_menu_draw.cpp).
void drawStartMenu(Control* control);

} // namespace ui
