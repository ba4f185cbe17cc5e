// What the file dialog does with paths and listings, apart from any control:
// cutting a path into folder levels, going into and out of folders, ordering
// and labelling a folder's entries, and quoting the chosen names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_listing.h"

namespace ui {

// The "Look In:" history holds this many levels; deeper folders drop the
// outermost ones, so the current folder and the 31 above it stay reachable.
constexpr size_t kMaxFolderLevels = 32;
// Longer paths cannot be opened by the system; they are refused.
constexpr size_t kMaxFolderPathLength = 4096;

// Every folder from the outermost to the current one, each the full path up
// to and including its "/". Each level is the one before it and one more
// name, so every level is a prefix of the last.
using FolderLevels = std::vector<std::string>;

// The levels of `path`: its prefixes ending after each "/", then the whole
// path with "/" added when it does not end in one. Empty for an empty path
// and for one longer than kMaxFolderPathLength.
FolderLevels folderLevels(std::string_view path);
// Adds the folder `name` inside the current one as the new last level.
void enterFolder(FolderLevels& levels, std::string_view name);
// Drops the last level unless it is the only one; false when nothing changed.
bool leaveFolder(FolderLevels& levels);
// Drops every level after `index`; false for an index that is not a level.
bool keepLevelsThrough(FolderLevels& levels, int index);

// The home folder: $HOME when it is set and not empty (passed as `home`),
// else the root.
std::string homeFolderFrom(const char* home);

struct DialogEntry {
    std::string name;  // as the file system has it
    std::string label; // as the list shows it
    bool isFolder = false;
};

// The entries of a folder as the dialog lists them: names beginning with "."
// only when `showHidden`; folders first, labelled "[  name  ]", then files
// labelled with their names, each group in byte order of the names.
std::vector<DialogEntry> arrangeListing(std::vector<platform::FolderEntry> entries,
                                        bool showHidden);

// The file-name field's text for the chosen names: one name as it is,
// several each between double quotes and separated by spaces.
std::string quotedNames(const std::vector<std::string_view>& names);

} // namespace ui
