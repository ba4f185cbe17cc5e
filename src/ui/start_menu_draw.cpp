// How the start menu bar looks: a raised bar, the Start button, a button per
// task with the active one pushed in, the time in a sunken box at the right
// end, and the open menu levels above it.
#include "ui/clock.h"
#include "ui/control_draw.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/start_menu.h"

namespace ui {

namespace {

void drawTime(const Control* bar) {
    const int font = fontForRole(1);
    char text[kClockTextSize];
    formatClockTime(clockTime(), text);
    const int width = textWidth(font, text);
    panel(bar->width - width - 30, 2, width + 25, bar->height - 4, false, -1);
    setColour(LUI_COLOR_BLACK);
    drawText(font, text, bar->width - width - 25, 6);
}

void drawTaskButtons(const Control* bar) {
    const int font = fontForRole(1);
    const auto& tasks = taskList();
    const int width = taskButtonWidth(bar->width, static_cast<int>(tasks.size()));
    const int top = 3, height = bar->height - 6;
    int left = kTaskButtonsLeft;
    for (const TaskEntry& task : tasks) {
        panel(left, top, width, height, false, task.active ? -1 : 1);
        // A long title stays on its own button.
        pushClipLocal(left, top, width, height);
        setColour(LUI_COLOR_BLACK);
        drawText(font, task.control->label, left + 5, top + (height - fontHeight(font)) / 2);
        popClip();
        left += width + kTaskButtonGap;
    }
}

void drawLevels(const StartMenuData* menu) {
    const int font = fontForRole(2);
    const int row = menuRowHeight();
    for (int level = 0; level < static_cast<int>(menu->levels.size()); ++level) {
        const MenuLevel& shown = menu->levels[level];
        const LevelBox& box = shown.box;
        panel(box.left, box.top, box.width, box.height, false, 1);
        for (int index = 0; index < static_cast<int>(shown.entries.size()); ++index) {
            const MenuEntry& entry = shown.entries[index];
            const int top = entryTop(box, index, row);
            if (level == menu->pointerLevel && index == menu->pointerEntry)
                highlightPanel(box.left + 2, top, box.width - 4, row, 0);
            setColour(LUI_COLOR_MENU_TEXT);
            drawText(font, entry.text.c_str(), box.left + 8, top + (row - fontHeight(font)) / 2);
            if (entry.isFolder) {
                const int tip = box.left + box.width - 6, middle = top + row / 2;
                triangle(tip - 5, middle - 4, tip - 5, middle + 4, tip, middle, 0.5f);
            }
        }
    }
}

} // namespace

void drawStartMenu(Control* control) {
    tickClock();
    const StartMenuData* menu = startMenuData(control);
    if (!menu) return;
    panel(0, 0, control->width, control->height, false, 1);
    drawTime(control);
    drawTaskButtons(control);
    drawChildren(control);
    if (menu->menuOpen) drawLevels(menu);
}

} // namespace ui
