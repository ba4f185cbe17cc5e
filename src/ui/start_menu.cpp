#include "ui/start_menu.h"

#include <algorithm>

#include "script/script_calls.h"
#include "ui/button.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/fonts.h"
#include "ui/window.h"

namespace ui {

namespace {

int startPressed(Control* button) {
    if (startMenuData(button->parent)) toggleStartMenu(button->parent);
    return 1;
}

void setStartButtonDown(const Control* bar, bool down) {
    if (ButtonData* button = buttonData(childOfType(bar, LUI_BUTTON))) button->down = down;
}

void placeBar(Control* bar) {
    const int height = startMenuBarHeight();
    setPosition(bar, 0, screenHeight() - height);
    bar->width = screenWidth();
    bar->height = height;
    if (Control* button = childOfType(bar, LUI_BUTTON)) {
        setPosition(button, 8, 3);
        setSize(button, 100, height - 6);
    }
}

void openLevel(StartMenuData* menu, std::string path, int openedFrom) {
    MenuLevel level{std::move(path), {}, {}};
    level.entries = listMenuFolder(level.path);
    const int font = fontForRole(2);
    int widest = 0;
    for (const MenuEntry& entry : level.entries)
        widest = std::max(widest, textWidth(font, entry.text.c_str()));
    const bool first = menu->levels.empty();
    const int row = menuRowHeight();
    const int width = menuLevelWidth(widest, first);
    const int height = menuLevelHeight(static_cast<int>(level.entries.size()), row);
    level.box = first ? firstLevelBox(width, height)
                      : nextLevelBox(menu->levels.back().box, openedFrom, width, height, row);
    menu->levels.push_back(std::move(level));
}

void openMenu(Control* bar, StartMenuData* menu) {
    menu->menuOpen = true;
    // The bar takes every press and pointer move until the menu closes, and
    // comes to the front so that no window hides the menu.
    setCapture(bar);
    setHover(bar);
    bringToFront(bar);
    setStartButtonDown(bar, true);
    menu->levels.clear();
    openLevel(menu, std::string(kMenuRoot) + kMenuFolder, -1);
}

void closeMenu(Control* bar, StartMenuData* menu) {
    menu->menuOpen = false;
    menu->levels.clear();
    menu->pointerLevel = menu->pointerEntry = -1;
    setStartButtonDown(bar, false);
    releaseCaptureOf(bar);
    clearHover();
}

// The level and entry under a point, deepest level first.
void trackPointer(StartMenuData* menu, int x, int y) {
    menu->pointerLevel = menu->pointerEntry = -1;
    const int row = menuRowHeight();
    for (int level = static_cast<int>(menu->levels.size()) - 1; level >= 0; --level) {
        const MenuLevel& shown = menu->levels[level];
        const int entry = entryAt(shown.box, static_cast<int>(shown.entries.size()), row, x, y);
        if (entry < 0) continue;
        menu->pointerLevel = level;
        menu->pointerEntry = entry;
        return;
    }
}

// A press on a menu entry: a folder opens as the next level, a script runs
// and the menu closes. A press on no entry closes the menu.
void chooseEntry(Control* bar, StartMenuData* menu, int x, int y) {
    trackPointer(menu, x, y);
    if (menu->pointerLevel < 0) return closeMenu(bar, menu);
    const int level = menu->pointerLevel, index = menu->pointerEntry;
    const MenuEntry& entry = menu->levels[level].entries[index];
    std::string path = menu->levels[level].path + "/" + entry.text;
    if (entry.isFolder) {
        menu->levels.resize(level + 1);
        openLevel(menu, std::move(path), index);
        return;
    }
    path += ".lua";
    RunScriptFile(path.c_str());
    // The script may have closed the menu or destroyed the bar itself.
    if (isLiveControl(bar) && startMenuData(bar)) closeMenu(bar, startMenuData(bar));
}

// The active task's button minimises its window; another one brings its
// control back and to the front.
void pressTaskButton(int index) {
    if (index < 0) return;
    TaskEntry& task = taskList()[index];
    WindowData* window = windowData(task.control);
    if (task.active) {
        if (window) window->minimised = 1;
        task.active = false;
        return;
    }
    if (window) window->minimised = 0;
    bringToFront(task.control);
}

void createStartMenu(Control* bar) {
    bar->data = new StartMenuData{};
    bar->hovered = 0;
    Control* button = createChild(bar, LUI_BUTTON, "Start");
    setLabel(button, "Start");
    buttonData(button)->command.setNative(startPressed);
    placeBar(bar);
}

int startMenuMouseButton(Control* bar, int button, int state, int x, int y) {
    StartMenuData* menu = startMenuData(bar);
    if (!menu) return 0;
    if (capturedControl() != bar && forwardMouseButton(bar, button, state, x, y)) return 1;
    if (button != kLeftButton || state != kButtonDown) return menu->menuOpen ? 1 : 0;
    if (y >= 0 && y < bar->height)
        pressTaskButton(taskButtonAt(bar->width, static_cast<int>(taskList().size()), x));
    if (menu->menuOpen) {
        setCapture(bar);
        bringToFront(bar);
        chooseEntry(bar, menu, x, y);
    }
    return 1;
}

int startMenuDrag(Control* bar, int x, int y, int dx, int dy) {
    StartMenuData* menu = startMenuData(bar);
    if (!menu) return 0;
    if (!menu->menuOpen) return forwardDrag(bar, x, y, dx, dy);
    trackPointer(menu, x, y);
    return 1;
}

int startMenuHover(Control* bar, int x, int y, int dx, int dy) {
    StartMenuData* menu = startMenuData(bar);
    if (!menu) return 0;
    if (menu->menuOpen) {
        trackPointer(menu, x, y);
        return 1;
    }
    if (hoverControl() == bar) return 0;
    return forwardHover(bar, x, y, dx, dy);
}

} // namespace

const ControlClass startMenuClass{
    .typeId = LUI_START_MENU,
    .isContainer = 1,
    .create = createStartMenu,
    .destroy = destroyRecord<StartMenuData>,
    // Keys pass through to the shell unless a child takes them.
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = startMenuDrag,
    .onHover = startMenuHover,
    .onMouseButton = startMenuMouseButton,
    .draw = drawStartMenu,
};

StartMenuData* startMenuData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_START_MENU) return nullptr;
    return static_cast<StartMenuData*>(control->data);
}

int startMenuBarHeight() {
    return fontHeight(fontForRole(1)) + 15;
}
int menuRowHeight() {
    return fontHeight(fontForRole(2)) + 5;
}

void placeStartMenu() {
    if (Control* bar = startMenu(); startMenuData(bar)) placeBar(bar);
}

void toggleStartMenu(Control* bar) {
    StartMenuData* menu = startMenuData(bar);
    if (!menu) return;
    if (menu->menuOpen)
        closeMenu(bar, menu);
    else
        openMenu(bar, menu);
}

} // namespace ui
