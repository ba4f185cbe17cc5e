// Listing one folder of the file system: names and whether each is a folder.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The entries of the folder at `path` in the order the file system gives them,
// without "." and "..". Links count as what they point to (a link to a folder
// is a folder; a dangling link is a file). False, with no entries, when the
// folder cannot be read.
bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries);

} // namespace platform
