// The file dialog made by scripts through luiFileDialog and driven by the
// Runner's pointer events over a small folder tree, $HOME pointing into it:
// what file_dialog/<script>.lua prints after the lui prelude's "<lui>" line is
// file_dialog/<script>.expected. A screenshot shows where the parts are.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "support/script_run.h"

namespace {

const std::filesystem::path kHere = std::filesystem::path(__FILE__).parent_path();

// Every folder holds a file, so that the options' files make the whole tree.
ScriptRunOptions TreeRun(int frames) {
    ScriptRunOptions options;
    options.frames = frames;
    options.frameTime = 0.02;
    options.arguments = {"--strict"};
    options.environment = {"HOME=\"$PWD/tree/home\""};
    options.files = {
        {"prelude.lua", ReadFile((kHere / "lui/prelude.lua").string())},
        {"file_dialog_prelude.lua", ReadFile((kHere / "file_dialog/prelude.lua").string())},
    };
    // The hidden ones lie in a folder of their own: programs of the run may
    // leave hidden folders in $HOME.
    for (const char* file : {"notes.txt", "a b.lua", "say \"hi\".txt", "Docs/readme.txt",
                             "docs/deep/file.lua", "zeta/z", "zeta/.secret", "zeta/.cfg/x"})
        options.files.push_back({std::string("tree/home/") + file, "-- " + std::string(file)});
    return options;
}

std::string Between(const std::string& log, const std::string& begin, const std::string& end) {
    const size_t from = log.find(begin), to = log.find(end);
    if (from == std::string::npos || to == std::string::npos) return "<no markers>\n" + log;
    return log.substr(from + begin.size(), to + end.size() - from - begin.size());
}

ScriptRunResult RunAndCompare(const char* script, ScriptRunOptions options) {
    const std::filesystem::path base = kHere / "file_dialog" / script;
    ScriptRunResult run = RunScript(ReadFile(base.string() + ".lua"), options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Between(run.stdoutLog, "<lui>\n", "<end>\n"), ReadFile(base.string() + ".expected"));
    return run;
}

struct Box {
    int x0, y0, x1, y1; // [x0, x1) x [y0, y1) in screen pixels
};

bool IsDark(Rgba p) {
    return p.r < 100 && p.g < 100 && p.b < 100;
}

int DarkPixels(const PngImage& shot, Box box) {
    int count = 0;
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x)
            count += IsDark(shot.At(x, y));
    return count;
}

// The middle of the dark pixels' columns in the box; -1 when there are none.
int InkMiddle(const PngImage& shot, Box box) {
    int left = box.x1, right = -1;
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x)
            if (IsDark(shot.At(x, y))) left = std::min(left, x), right = std::max(right, x);
    return right < 0 ? -1 : (left + right) / 2;
}

int PixelsUnlike(const PngImage& shot, Box box, Rgba colour) {
    int count = 0;
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x) {
            const Rgba p = shot.At(x, y);
            count +=
                std::abs(p.r - colour.r) + std::abs(p.g - colour.g) + std::abs(p.b - colour.b) > 30;
        }
    return count;
}

TEST(FileDialogScript, BrowsesIntoFoldersUpHomeThroughLookInAndShowsHiddenFilesOnRequest) {
    ScriptRunOptions options = TreeRun(17);
    options.screenshot = true;
    const ScriptRunResult run = RunAndCompare("navigation", options);

    // The last dialog, at (100, 100) with its client area 16 pixels lower,
    // lists the six entries of $HOME.
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    const int top = 116;
    for (int row = 0; row < 6; ++row)
        EXPECT_GT(DarkPixels(shot, {108, top + 49 + 14 * row, 330, top + 63 + 14 * row}), 8)
            << "row " << row;
    const Rgba white = shot.At(300, top + 170);
    EXPECT_EQ(std::tie(white.r, white.g, white.b), std::make_tuple(255, 255, 255))
        << "the list's panel below its rows";
    EXPECT_EQ(DarkPixels(shot, {108, top + 49 + 14 * 6, 330, top + 185}), 0);
    EXPECT_GT(DarkPixels(shot, {109, top + 9, 245, top + 37}), 20) << "the folder in Look In";
    EXPECT_GT(DarkPixels(shot, {129, top + 224, 345, top + 250}), 20) << "the check box caption";
    // The icons of the home and up buttons differ from the buttons' faces.
    const Rgba face = shot.At(272, top + 7);
    EXPECT_GT(PixelsUnlike(shot, {274, top + 9, 302, top + 37}, face), 50) << "home";
    EXPECT_GT(PixelsUnlike(shot, {314, top + 9, 342, top + 37}, face), 50) << "up";
    // "Ok" and "Cancel" centred on the two halves of the bottom row.
    EXPECT_NEAR(InkMiddle(shot, {106, top + 255, 224, top + 278}), 165, 4);
    EXPECT_NEAR(InkMiddle(shot, {226, top + 255, 344, top + 278}), 285, 4);
}

TEST(FileDialogScript, QuotesSeveralChosenNamesCancelSkipsOkAndOkHandsOverThePath) {
    RunAndCompare("choosing", TreeRun(14));
}

} // namespace
