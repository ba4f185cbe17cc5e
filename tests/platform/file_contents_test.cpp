#include <gtest/gtest.h>

#include "platform/file_contents.h"
#include "support/script_run.h"

namespace {

using platform::ReadFileContents;

// Folders and devices have no end to read to: /dev/zero would fill memory.
TEST(FileContents, OnlyWholeRegularFilesWithinTheBoundAreRead) {
    std::string dir = MakeWorkDir();
    WriteFile(dir + "/bytes", std::string("a\0b", 3));
    std::string bytes = "left over";
    ASSERT_TRUE(ReadFileContents((dir + "/bytes").c_str(), 3, bytes));
    EXPECT_EQ(bytes, std::string("a\0b", 3));

    const struct {
        const char* name;
        std::string path;
        uint64_t bound;
    } refused[] = {
        {"missing", dir + "/missing", 100},
        {"folder", dir, 100},
        {"device", "/dev/zero", 100},
        {"past the bound", dir + "/bytes", 2},
    };
    for (const auto& row : refused) {
        bytes = "left over";
        EXPECT_FALSE(ReadFileContents(row.path.c_str(), row.bound, bytes)) << row.name;
        EXPECT_TRUE(bytes.empty()) << row.name;
    }
    EXPECT_FALSE(ReadFileContents(nullptr, 100, bytes));
}

} // namespace
