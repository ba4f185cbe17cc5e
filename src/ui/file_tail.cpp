#include "ui/file_tail.h"

#include <cstdio>

namespace ui {

namespace fs = std::filesystem;

bool FileTail::refresh() {
    std::error_code error;
    const uintmax_t size = fs::file_size(path_, error);
    if (error) return false;
    const fs::file_time_type modified = fs::last_write_time(path_, error);
    if (error) return false;
    if (seen_ && size == consumed_ && modified == modified_) return false;

    // Anything but growth may have changed what was read already.
    const bool again = !seen_ || size <= consumed_;
    FILE* file = std::fopen(path_.c_str(), "rb");
    if (!file) return false;
    const size_t before = again ? 0 : text_.size();
    if (again) {
        text_.clear();
        consumed_ = 0;
        ++generation_;
    } else if (fseeko(file, static_cast<off_t>(consumed_), SEEK_SET) != 0) {
        std::fclose(file);
        return false;
    }
    char buffer[65536];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        consumed_ += got;
        if (text_.size() < limit_) text_.append(buffer, std::min(got, limit_ - text_.size()));
    }
    std::fclose(file);
    seen_ = true;
    modified_ = modified;
    return again || text_.size() != before;
}

} // namespace ui
