// The file dialog's path arithmetic and listing order, apart from any
// control: levels cut from paths, deep folders, the order and labels of a
// listing and the quoting of chosen names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/file_dialog_paths.h"

using namespace ui;

namespace {

struct LevelsCase {
    const char* name;
    std::string path;
    FolderLevels levels;
};

const LevelsCase kLevelCases[] = {
    {"AbsoluteWithSlash", "/home/ann/", {"/", "/home/", "/home/ann/"}},
    {"AbsoluteWithoutSlash", "/home/ann", {"/", "/home/", "/home/ann/"}},
    {"Root", "/", {"/"}},
    {"Relative", "tree/home", {"tree/", "tree/home/"}},
    {"DriveLetter", "C:/", {"C:/"}},
    {"OddBytes", "/my \"docs\"/it's\\", {"/", "/my \"docs\"/", "/my \"docs\"/it's\\/"}},
    {"Empty", "", {}},
    {"TooLong", "/" + std::string(kMaxFolderPathLength, 'a'), {}},
};

class Levels : public ::testing::TestWithParam<LevelsCase> {};

TEST_P(Levels, AreThePrefixesEndingInASlash) {
    EXPECT_EQ(folderLevels(GetParam().path), GetParam().levels);
}

INSTANTIATE_TEST_SUITE_P(Paths, Levels, ::testing::ValuesIn(kLevelCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string deepPath(int depth) {
    std::string path = "/";
    for (int level = 1; level <= depth; ++level)
        path += "d" + std::to_string(level) + "/";
    return path;
}

TEST(DeepFolders, KeepTheCurrentFolderAndTheLevelsNearestIt) {
    FolderLevels levels = folderLevels(deepPath(40)); // 41 levels with the root
    ASSERT_EQ(levels.size(), kMaxFolderLevels);
    EXPECT_EQ(levels.front(), deepPath(9));
    EXPECT_EQ(levels.back(), deepPath(40));

    enterFolder(levels, "d41");
    ASSERT_EQ(levels.size(), kMaxFolderLevels);
    EXPECT_EQ(levels.front(), deepPath(10));
    EXPECT_EQ(levels.back(), deepPath(41));
    for (size_t i = 1; i < levels.size(); ++i)
        EXPECT_EQ(levels[i].rfind(levels[i - 1], 0), 0u)
            << "level " << i << " is inside the one before";
}

TEST(Moving, UpStopsAtTheFirstLevelAndChoosingALevelDropsTheOnesAfterIt) {
    FolderLevels levels = folderLevels("/a/b");
    enterFolder(levels, "my \"c\"");
    EXPECT_EQ(levels.back(), "/a/b/my \"c\"/");
    EXPECT_TRUE(leaveFolder(levels));
    EXPECT_EQ(levels.back(), "/a/b/");

    EXPECT_FALSE(keepLevelsThrough(levels, 3));
    EXPECT_FALSE(keepLevelsThrough(levels, -1));
    EXPECT_EQ(levels.size(), 3u);
    EXPECT_TRUE(keepLevelsThrough(levels, 0));
    EXPECT_EQ(levels, FolderLevels{"/"});
    EXPECT_FALSE(leaveFolder(levels));
    EXPECT_EQ(levels, FolderLevels{"/"});
}

TEST(Home, IsHOMEWhenSetElseTheRoot) {
    EXPECT_EQ(homeFolderFrom("/home/ann"), "/home/ann");
    EXPECT_EQ(homeFolderFrom(""), "/");
    EXPECT_EQ(homeFolderFrom(nullptr), "/");
}

std::vector<std::string> labels(const std::vector<DialogEntry>& entries) {
    std::vector<std::string> texts;
    for (const DialogEntry& entry : entries)
        texts.push_back(entry.label);
    return texts;
}

TEST(Listing, FoldersComeFirstBracketedThenFilesEachInByteOrderAndDotNamesOnlyWhenAsked) {
    const std::vector<platform::FolderEntry> found = {
        {"b.txt", false}, {"docs", true},      {".hidden", false}, {".git", true},
        {"Docs", true},   {"\xc3\xa9", false}, {"Z.lua", false},   {"a b", false},
    };
    EXPECT_EQ(labels(arrangeListing(found, false)),
              (std::vector<std::string>{"[  Docs  ]", "[  docs  ]", "Z.lua", "a b", "b.txt",
                                        "\xc3\xa9"}));
    const std::vector<DialogEntry> all = arrangeListing(found, true);
    EXPECT_EQ(labels(all),
              (std::vector<std::string>{"[  .git  ]", "[  Docs  ]", "[  docs  ]", ".hidden",
                                        "Z.lua", "a b", "b.txt", "\xc3\xa9"}));
    EXPECT_EQ(all[0].name, ".git");
    EXPECT_TRUE(all[0].isFolder);
    EXPECT_FALSE(all[3].isFolder);
}

TEST(ChosenNames, OneStandsAloneSeveralAreEachQuoted) {
    EXPECT_EQ(quotedNames({}), "");
    EXPECT_EQ(quotedNames({"a b.lua"}), "a b.lua");
    EXPECT_EQ(quotedNames({"a b.lua", "say \"hi\".txt", "z"}),
              "\"a b.lua\" \"say \"hi\".txt\" \"z\"");
}

} // namespace
