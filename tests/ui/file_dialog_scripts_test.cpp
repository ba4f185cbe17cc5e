// The file dialog made by scripts through luiFileDialog and driven by the
// Runner's pointer over a small folder tree with $HOME pointing into it: what
// file_dialog/<script>.lua prints after the lui prelude's "<lui>" line is
// file_dialog/<script>.expected. A screenshot shows where the parts are.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

const std::filesystem::path kHere = std::filesystem::path(__FILE__).parent_path();

ScriptRunResult RunAndCompare(const char* script, int frames, bool screenshot = false) {
    ScriptRunOptions options;
    options.frames = frames;
    options.frameTime = 0.02;
    options.screenshot = screenshot;
    options.arguments = {"--strict"};
    options.environment = {"HOME=\"$PWD/tree/home\""};
    options.files = {
        {"prelude.lua", ReadFile((kHere / "lui/prelude.lua").string())},
        {"file_dialog_prelude.lua", ReadFile((kHere / "file_dialog/prelude.lua").string())},
    };
    // Every folder holds a file. The hidden ones lie in a folder of their
    // own: programs of the run may leave hidden folders in $HOME.
    for (const char* file : {"notes.txt", "a b.lua", "say \"hi\".txt", "Docs/readme.txt",
                             "docs/deep/file.lua", "zeta/z", "zeta/.secret", "zeta/.cfg/x"})
        options.files.push_back({std::string("tree/home/") + file, "--"});

    const std::string base = (kHere / "file_dialog" / script).string();
    ScriptRunResult run = RunScript(ReadFile(base + ".lua"), options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    const std::string& log = run.stdoutLog;
    const size_t begin = log.find("<lui>\n"), end = log.find("<end>\n");
    EXPECT_TRUE(begin != std::string::npos && end != std::string::npos) << log;
    if (begin != std::string::npos && end != std::string::npos) {
        EXPECT_EQ(log.substr(begin + 6, end - begin), ReadFile(base + ".expected"));
    }
    return run;
}

// The leftmost and rightmost columns holding dark pixels in [x0, x1) x [y0, y1).
std::pair<int, int> InkColumns(const PngImage& shot, int x0, int y0, int x1, int y1) {
    int left = x1, right = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Rgba p = shot.At(x, y); p.r < 100 && p.g < 100 && p.b < 100)
                left = std::min(left, x), right = std::max(right, x);
    return {left, right};
}

TEST(FileDialogScript, BrowsesIntoFoldersUpHomeThroughLookInAndShowsHiddenFilesOnRequest) {
    const PngImage shot = RunAndCompare("navigation", 17, true).screenshot;
    ASSERT_FALSE(shot.empty());
    // The last dialog, at (100, 100) with its client area 16 pixels lower,
    // lists the six entries of $HOME in rows 14 high, then white.
    const int top = 116;
    for (int row = 0; row < 6; ++row)
        EXPECT_GT(InkColumns(shot, 108, top + 49 + 14 * row, 330, top + 63 + 14 * row).second, 0)
            << "row " << row;
    EXPECT_EQ(InkColumns(shot, 108, top + 49 + 14 * 6, 330, top + 185).second, -1);
    const Rgba white = shot.At(300, top + 170);
    EXPECT_EQ(white.r + white.g + white.b, 3 * 255);
    EXPECT_GT(InkColumns(shot, 109, top + 9, 245, top + 37).second, 0) << "the folder in Look In";
    // "Ok" and "Cancel" centred on the two halves of the bottom row.
    const auto ok = InkColumns(shot, 106, top + 255, 224, top + 278);
    const auto cancel = InkColumns(shot, 226, top + 255, 344, top + 278);
    EXPECT_NEAR((ok.first + ok.second) / 2, 165, 4);
    EXPECT_NEAR((cancel.first + cancel.second) / 2, 285, 4);
}

TEST(FileDialogScript, QuotesSeveralChosenNamesCancelSkipsOkAndOkHandsOverThePath) {
    RunAndCompare("choosing", 14);
}

} // namespace
