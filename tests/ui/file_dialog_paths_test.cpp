// The file dialog's path arithmetic and listing order, apart from any
// control: levels cut from paths, deep folders, and a listing's order and labels.
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
    {"AbsoluteWithoutSlash", "/home/ann", {"/", "/home/", "/home/ann/"}},
    {"Root", "/", {"/"}},
    {"Relative", "tree/home/", {"tree/", "tree/home/"}},
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
    EXPECT_EQ(levels.size(), kMaxFolderLevels);
    EXPECT_EQ(levels.front(), deepPath(9));
    enterFolder(levels, "d41");
    EXPECT_EQ(levels.size(), kMaxFolderLevels);
    EXPECT_EQ(levels.front(), deepPath(10));
    EXPECT_EQ(levels.back(), deepPath(41));
}

TEST(Listing, FoldersComeFirstBracketedThenFilesEachInByteOrderAndDotNamesOnlyWhenAsked) {
    const std::vector<platform::FolderEntry> found = {
        {"b.txt", false}, {"docs", true},      {".hidden", false}, {".git", true},
        {"Docs", true},   {"\xc3\xa9", false}, {"Z.lua", false},
    };
    auto labels = [&](bool showHidden) {
        std::vector<std::string> texts;
        for (const DialogEntry& entry : arrangeListing(found, showHidden))
            texts.push_back(entry.label + (entry.isFolder ? "/" : "") + "=" + entry.name);
        return texts;
    };
    EXPECT_EQ(labels(false),
              (std::vector<std::string>{"[  Docs  ]/=Docs", "[  docs  ]/=docs", "Z.lua=Z.lua",
                                        "b.txt=b.txt", "\xc3\xa9=\xc3\xa9"}));
    EXPECT_EQ(labels(true).front(), "[  .git  ]/=.git");
    EXPECT_EQ(labels(true)[3], ".hidden=.hidden");
}

} // namespace
