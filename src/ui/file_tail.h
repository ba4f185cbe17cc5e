// A file that grows while it is watched (the process's own stdout.log): its
// text kept in memory and brought up to date only when the file's size or
// modification time changes, by reading just what was appended. A file that
// shrank or was rewritten in place is read again from its start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace ui {

class FileTail {
  public:
    // Keeps at most `limit` bytes of text: what the file holds beyond is not read.
    FileTail(std::filesystem::path path, size_t limit) : path_(std::move(path)), limit_(limit) {}

    // True when the text changed. A missing file changes nothing.
    bool refresh();
    const std::string& text() const { return text_; }
    // Counts the times the text was read again from the file's start, so that
    // a copy of it can tell an append from a new text.
    uint64_t generation() const { return generation_; }

  private:
    std::filesystem::path path_;
    size_t limit_;
    std::string text_;
    uintmax_t consumed_ = 0; // bytes of the file read so far
    std::filesystem::file_time_type modified_{};
    uint64_t generation_ = 0;
    bool seen_ = false;
};

} // namespace ui
