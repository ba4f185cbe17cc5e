#include "ui/start_menu_layout.h"

#include <algorithm>
#include <string_view>

namespace ui {

namespace {

constexpr std::string_view kScriptEnding = ".lua";

bool isScriptName(std::string_view name) {
    return name.size() > kScriptEnding.size() && name.ends_with(kScriptEnding);
}

} // namespace

std::vector<MenuEntry> menuEntries(const std::vector<platform::FolderEntry>& folder) {
    std::vector<std::string> folders, scripts;
    for (const platform::FolderEntry& entry : folder) {
        if (entry.name.empty() || entry.name.front() == '.') continue;
        if (entry.isFolder)
            folders.push_back(entry.name);
        else if (isScriptName(entry.name))
            scripts.push_back(entry.name.substr(0, entry.name.size() - kScriptEnding.size()));
    }
    // std::string compares its chars as unsigned bytes.
    std::sort(folders.begin(), folders.end());
    std::sort(scripts.begin(), scripts.end());
    std::vector<MenuEntry> entries;
    entries.reserve(folders.size() + scripts.size());
    for (std::string& name : folders)
        entries.push_back({std::move(name), true});
    for (std::string& name : scripts)
        entries.push_back({std::move(name), false});
    return entries;
}

std::vector<MenuEntry> listMenuFolder(const std::string& path) {
    std::vector<platform::FolderEntry> folder;
    platform::ListFolder(path, folder);
    return menuEntries(folder);
}

int menuLevelWidth(int widestText, bool firstLevel) {
    const int width = widestText + 30;
    return firstLevel ? std::max(width, kFirstLevelMinimumWidth) : width;
}

int menuLevelHeight(int entryCount, int rowHeight) {
    return rowHeight * entryCount + 2 * kMenuPadding;
}

LevelBox firstLevelBox(int width, int height) {
    return {0, -height, width, height};
}

LevelBox nextLevelBox(const LevelBox& previous, int openerIndex, int width, int height,
                      int rowHeight) {
    const int bottom = previous.top + (openerIndex + 1) * rowHeight + kMenuPadding;
    return {previous.left + previous.width, bottom - height, width, height};
}

int entryTop(const LevelBox& box, int index, int rowHeight) {
    return box.top + kMenuPadding + index * rowHeight;
}

int entryAt(const LevelBox& box, int entryCount, int rowHeight, int x, int y) {
    if (entryCount <= 0 || rowHeight <= 0) return -1;
    if (x < box.left || x >= box.left + box.width || y < box.top || y >= box.top + box.height)
        return -1;
    const int row = (y - box.top - kMenuPadding) / rowHeight;
    return std::clamp(row, 0, entryCount - 1);
}

int taskButtonWidth(int barWidth, int taskCount) {
    if (taskCount <= 0) return kWidestTaskButton;
    return std::clamp((barWidth - 250) / taskCount, 0, kWidestTaskButton);
}

int taskButtonAt(int barWidth, int taskCount, int x) {
    if (taskCount <= 0 || x <= kTaskButtonsLeft || x >= barWidth - 120) return -1;
    const int index =
        (x - kTaskButtonsLeft) / (taskButtonWidth(barWidth, taskCount) + kTaskButtonGap);
    return index < taskCount ? index : -1;
}

} // namespace ui
