// The arithmetic of the start menu bar, free of GL and of the control tree:
// what a menu level lists, where its levels and entries lie, and where the
// task buttons are.
#pragma once

#include <string>
#include <vector>

#include "platform/folder_listing.h"

namespace ui {

// ---- Menu levels ------------------------------------------------------------

struct MenuEntry {
    std::string text; // a folder's name, or a script's name without ".lua"
    bool isFolder = false;
    bool operator==(const MenuEntry&) const = default;
};

// What a menu level shows of a folder: names beginning with "." left out,
// the sub-folders first, then the files ending in ".lua" with that ending
// taken off, each group in byte order.
std::vector<MenuEntry> menuEntries(const std::vector<platform::FolderEntry>& folder);
// The same for the folder at `path`; no entries when it cannot be read.
std::vector<MenuEntry> listMenuFolder(const std::string& path);

// Every menu level is drawn with this much room above its first entry and
// below its last.
constexpr int kMenuPadding = 5;
constexpr int kFirstLevelMinimumWidth = 108;

// The widest entry's text + 30; the first level is at least 108 wide.
int menuLevelWidth(int widestText, bool firstLevel);
// One row per entry and the padding above and below.
int menuLevelHeight(int entryCount, int rowHeight);

// A level's rectangle in the bar's coordinates (y negative above the bar).
struct LevelBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const LevelBox&) const = default;
};

// The first level stands on the bar's top edge at its left end.
LevelBox firstLevelBox(int width, int height);
// A further level starts at the previous one's right edge, its bottom level
// with the bottom of the entry that opened it.
LevelBox nextLevelBox(const LevelBox& previous, int openerIndex, int width, int height,
                      int rowHeight);
// The top of an entry's row.
int entryTop(const LevelBox& box, int index, int rowHeight);
// The entry under a point: -1 outside the level or when it has no entries;
// points in the padding belong to the nearest entry.
int entryAt(const LevelBox& box, int entryCount, int rowHeight, int x, int y);

// ---- Task buttons -------------------------------------------------------------

constexpr int kTaskButtonsLeft = 120;
constexpr int kTaskButtonGap = 5;
constexpr int kWidestTaskButton = 100;

// (bar width - 250) / count, at most 100 and never below 0.
int taskButtonWidth(int barWidth, int taskCount);
// The task button under x: from 121 up to 120 pixels before the bar's end,
// each button with the gap after it; -1 elsewhere or past the last one.
int taskButtonAt(int barWidth, int taskCount, int x);

} // namespace ui
