// The watched output file: read when it changes, and then only what was added.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/script_run.h"
#include "ui/file_tail.h"

using namespace ui;

namespace {

namespace fs = std::filesystem;

void append(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
}

TEST(FileTail, FollowsAppendsAndStartsAgainWhenTheFileShrinksOrIsRewritten) {
    const fs::path path = fs::path(MakeWorkDir()) / "out.log";
    FileTail tail(path, 1 << 20);
    EXPECT_FALSE(tail.refresh()) << "no file yet";
    append(path, "one\n");
    EXPECT_TRUE(tail.refresh());
    EXPECT_EQ(tail.text(), "one\n");
    const uint64_t first = tail.generation();
    EXPECT_FALSE(tail.refresh()) << "unchanged";
    append(path, "two\n");
    EXPECT_TRUE(tail.refresh());
    EXPECT_EQ(tail.text(), "one\ntwo\n");
    EXPECT_EQ(tail.generation(), first) << "an append keeps the generation";

    std::ofstream(path, std::ios::binary) << "new";
    EXPECT_TRUE(tail.refresh());
    EXPECT_EQ(tail.text(), "new");
    EXPECT_GT(tail.generation(), first);

    // Rewritten in place, same size: the modification time tells.
    const uint64_t second = tail.generation();
    std::ofstream(path, std::ios::binary) << "NEW";
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
    EXPECT_TRUE(tail.refresh());
    EXPECT_EQ(tail.text(), "NEW");
    EXPECT_GT(tail.generation(), second);

    fs::remove(path);
    EXPECT_FALSE(tail.refresh());
    EXPECT_EQ(tail.text(), "NEW") << "a file gone changes nothing";
}

TEST(FileTail, KeepsNoMoreThanItsLimit) {
    const fs::path path = fs::path(MakeWorkDir()) / "out.log";
    FileTail tail(path, 5);
    append(path, "abc");
    tail.refresh();
    append(path, "defgh");
    tail.refresh();
    EXPECT_EQ(tail.text(), "abcde");
    append(path, "more");
    EXPECT_FALSE(tail.refresh()) << "past the limit nothing changes";
}

} // namespace
