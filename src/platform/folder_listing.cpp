#include "platform/folder_listing.h"

#include <filesystem>
#include <system_error>

namespace platform {

bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::error_code error;
    std::filesystem::directory_iterator entry(path, error);
    // Stepping with an error code never throws when an entry vanishes meanwhile.
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code statusError;
        bool isFolder = entry->is_directory(statusError);
        entries.push_back({entry->path().filename().string(), isFolder && !statusError});
    }
    if (error) entries.clear();
    return !error;
}

} // namespace platform
