#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/folder_listing.h"
#include "support/script_run.h"

namespace {

using platform::FolderEntry;
using platform::ListFolder;

std::vector<std::string> Described(std::vector<FolderEntry> entries) {
    std::vector<std::string> lines;
    for (const FolderEntry& entry : entries) lines.push_back(entry.name + (entry.isFolder ? "/" : ""));
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Links count as what they point to; hidden names are listed (callers choose).
TEST(FolderListing, NamesEveryEntryWithWhetherItIsAFolder) {
    std::string dir = MakeWorkDir();
    std::filesystem::create_directory(dir + "/sub");
    WriteFile(dir + "/a.lua", "");
    WriteFile(dir + "/.hidden", "");
    ASSERT_EQ(symlink("sub", (dir + "/to-sub").c_str()), 0);
    ASSERT_EQ(symlink("missing", (dir + "/dangling").c_str()), 0);
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(dir, entries));
    EXPECT_EQ(Described(entries),
              (std::vector<std::string>{".hidden", "a.lua", "dangling", "sub/", "to-sub/"}));
}

TEST(FolderListing, AFolderThatCannotBeReadGivesNothing) {
    std::string dir = MakeWorkDir();
    WriteFile(dir + "/file", "x");
    std::vector<FolderEntry> entries{{"left over", false}};
    EXPECT_FALSE(ListFolder(dir + "/missing", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(ListFolder(dir + "/file", entries));
    EXPECT_TRUE(entries.empty());
}

} // namespace
