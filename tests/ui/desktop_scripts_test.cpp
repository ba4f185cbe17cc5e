// The desktop driven by scripts through Runner's pointer: the start menu over
// a menu tree of the test's own, the task buttons over overlapping windows,
// and message boxes answered by their buttons. Each script prints between
// its "--" and "==" lines what desktop/<name>.expected holds; the screenshot
// of its last frame is checked where the look is fixed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(__FILE__).parent_path() / "desktop";

// Runs desktop/<name>.lua, one frame more than it has steps, on a desktop
// without the shipped start menu, and compares its report.
ScriptRunResult RunDesktopScript(const std::string& name, int steps,
                                 std::vector<std::pair<std::string, std::string>> files = {}) {
    ScriptRunOptions options;
    options.frames = steps + 1;
    options.withRuntime = false;
    options.screenshot = true;
    options.arguments = {"--strict"};
    options.files = std::move(files);
    options.files.push_back({"prelude.lua", ReadFile((kScripts / "prelude.lua").string())});
    const std::string path = (kScripts / name).string();
    ScriptRunResult run = RunScript(ReadFile(path + ".lua"), options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Between(run.stdoutLog, "--\n", "==\n"), ReadFile(path + ".expected"));
    return run;
}

// Bevels light the top edge of a raised face and darken that of a sunken one.
bool Sunken(const PngImage& shot, int x, int topEdge) {
    return shot.At(x, topEdge).r < shot.At(x, topEdge + 2).r;
}

bool Bluish(Rgba pixel) {
    return pixel.b > pixel.r;
}

TEST(DesktopScripts, StartMenuRunsTheChosenScriptsAndOpensFolders) {
    auto script = [](const char* name) {
        return std::pair{std::string("startmenu/") + name + ".lua",
                         std::string("print(\"  ran ") + name + "\")"};
    };
    const ScriptRunResult run =
        RunDesktopScript("startmenu", 8,
                         {script("Effects/Deep/Inner"),
                          script("Effects/Sparks"),
                          script("Hello"),
                          {"startmenu/Empty/.keep", ""},
                          {"startmenu/notes.txt", ""},
                          {"startmenu/.hidden.lua", "print(\"hidden ran\")"},
                          {"startmenu/xlua", "print(\"xlua\")"}});
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    // The open first level: 108 wide on the bar's top edge, Hello's row (the
    // third, from y 719) highlighted under the pointer and Effects' not.
    EXPECT_NE(shot.At(104, 700).r, 0);
    EXPECT_EQ(shot.At(110, 700).r, 0);
    EXPECT_TRUE(Bluish(shot.At(60, 727)));
    EXPECT_FALSE(Bluish(shot.At(60, 690)));
    // The Start button is pushed in while its menu is open; the time box is sunken.
    EXPECT_TRUE(Sunken(shot, 20, 744));
    EXPECT_TRUE(Sunken(shot, 990, 743));
}

TEST(DesktopScripts, TaskButtonsMinimiseRestoreAndBringWindowsToTheFront) {
    const ScriptRunResult run = RunDesktopScript("taskbar", 8);
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    // A's task button, the first, is the active one.
    EXPECT_TRUE(Sunken(shot, 170, 744));
    EXPECT_FALSE(Sunken(shot, 275, 744));
}

TEST(DesktopScripts, MessageBoxButtonsAnswerAndCloseTheBox) {
    RunDesktopScript("message_box", 11);
}

} // namespace
