#include "ui/file_dialog_paths.h"

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

void dropOutermostLevels(FolderLevels& levels) {
    if (levels.size() > kMaxFolderLevels)
        levels.erase(levels.begin(), levels.end() - kMaxFolderLevels);
}

bool byName(const DialogEntry& a, const DialogEntry& b) {
    return a.name < b.name; // char_traits<char> compares bytes as unsigned
}

} // namespace

FolderLevels folderLevels(std::string_view path) {
    FolderLevels levels;
    if (path.empty() || path.size() > kMaxFolderPathLength) return levels;
    for (size_t slash = path.find('/'); slash != std::string_view::npos;
         slash = path.find('/', slash + 1))
        levels.emplace_back(path.substr(0, slash + 1));
    if (path.back() != '/') levels.emplace_back(std::string(path) + '/');
    dropOutermostLevels(levels);
    return levels;
}

void enterFolder(FolderLevels& levels, std::string_view name) {
    std::string folder = levels.empty() ? std::string() : levels.back();
    folder.append(name);
    folder += '/';
    levels.push_back(std::move(folder));
    dropOutermostLevels(levels);
}

bool leaveFolder(FolderLevels& levels) {
    if (levels.size() <= 1) return false;
    levels.pop_back();
    return true;
}

bool keepLevelsThrough(FolderLevels& levels, int index) {
    if (index < 0 || static_cast<size_t>(index) >= levels.size()) return false;
    levels.resize(static_cast<size_t>(index) + 1);
    return true;
}

std::string homeFolderFrom(const char* home) {
    return home && *home ? home : "/";
}

std::vector<DialogEntry> arrangeListing(std::vector<platform::FolderEntry> entries,
                                        bool showHidden) {
    std::vector<DialogEntry> folders, files;
    for (platform::FolderEntry& entry : entries) {
        if (!showHidden && entry.name.starts_with('.')) continue;
        std::string label = entry.isFolder ? "[  " + entry.name + "  ]" : entry.name;
        (entry.isFolder ? folders : files)
            .push_back({std::move(entry.name), std::move(label), entry.isFolder});
    }
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    folders.insert(folders.end(), std::make_move_iterator(files.begin()),
                   std::make_move_iterator(files.end()));
    return folders;
}

std::string quotedNames(const std::vector<std::string_view>& names) {
    if (names.size() == 1) return std::string(names.front());
    std::string text;
    for (std::string_view name : names) {
        if (!text.empty()) text += ' ';
        text += '"';
        text += name;
        text += '"';
    }
    return text;
}

} // namespace ui
