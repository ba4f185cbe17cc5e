#include <gtest/gtest.h>

#include <string>

#include "library_test_pictures.h"
#include "support/script_run.h"

using test_pictures::BlackStartupPicture;
using test_pictures::kExitLine;

namespace {

constexpr char kDiagonal[] = "SetForeground(1, 1, 1) SetTransparent(0) DrawLine(-10, 0, 10, 16)";

// Idle scripts draw with x from -10 to 10 and y from 0 to 16 over the 1024 x 768 surface.
int PixelX(double x) {
    return static_cast<int>((x + 10) / 20 * 1024);
}
int PixelY(double y) {
    return static_cast<int>(y / 16 * 768);
}
Rgba AtWorld(const PngImage& shot, double x, double y) {
    return shot.AtGl(PixelX(x), PixelY(y));
}

bool IsWhite(const Rgba& c) {
    return c.r > 200 && c.g > 200 && c.b > 200;
}
bool IsGreen(const Rgba& c) {
    return c.g > 200 && c.r < 50 && c.b < 50;
}

// Whether the white diagonal passes within a pixel of its place in column x.
bool DiagonalAt(const PngImage& shot, int x) {
    const int y = x * 768 / 1024;
    for (int dy = -1; dy <= 1; ++dy)
        if (IsWhite(shot.AtGl(x, y + dy))) return true;
    return false;
}

int CountMatching(const PngImage& shot, int x0, int y0, int dx, int dy, int steps,
                  bool (*match)(const Rgba&)) {
    int count = 0;
    for (int i = 0; i < steps; ++i)
        count += match(shot.AtGl(x0 + i * dx, y0 + i * dy)) ? 1 : 0;
    return count;
}

size_t CountOccurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(IdleScripts, StringAndFileEntriesRunEveryFrameAndDrawOverEverything) {
    ScriptRunOptions options;
    options.frames = 2;
    options.screenshot = true;
    options.files = {BlackStartupPicture(), {"count.lua", "print('file entry ran')\n"}};
    ScriptRunResult run = RunScript(std::string("print(AddIdleString(\"") + kDiagonal +
                                        "\"))\nprint(AddIdleScript(\"count.lua\"))\n",
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, std::string("1\n2\nfile entry ran\nfile entry ran\n") + kExitLine);
    ASSERT_FALSE(run.screenshot.empty());
    for (int x : {40, 300, 700, 1000})
        EXPECT_TRUE(DiagonalAt(run.screenshot, x)) << "column " << x;
    EXPECT_TRUE(ColourNear(run.screenshot.AtGl(700, 300), 0, 0, 0));
}

// Each entry's flag is read when the pass reaches it; entries added during a
// pass wait for the next frame.
TEST(IdleScripts, EnableDisableAndAddTakeEffectInPassOrder) {
    ScriptRunOptions options;
    options.frames = 3;
    options.screenshot = true;
    options.files = {BlackStartupPicture()};
    const std::string script =
        std::string("frame = 0\nline = AddIdleString(\"print('line ' .. frame) ") + kDiagonal +
        "\")\n" + R"lua(
AddIdleString([[
frame = frame + 1
print('control ' .. frame)
if frame == 1 then
  DisableIdleScript(line)
  late = AddIdleString("print('late ' .. frame)")
elseif frame == 2 then
  EnableIdleScript(line)
  DisableIdleScript(99)
elseif frame == 3 then
  DisableIdleScript(late)
end
]])
)lua";
    ScriptRunResult run = RunScript(script, options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog,
              std::string("line 0\ncontrol 1\ncontrol 2\nlate 2\nline 2\ncontrol 3\n") + kExitLine);
    EXPECT_TRUE(DiagonalAt(run.screenshot, 300));
}

TEST(IdleScripts, DisabledEntryDrawsNothingFromTheNextFrame) {
    ScriptRunOptions options;
    options.frames = 2;
    options.screenshot = true;
    options.files = {BlackStartupPicture()};
    ScriptRunResult run = RunScript(std::string("AddIdleString(\"") + kDiagonal +
                                        "\")\nAddIdleString(\"DisableIdleScript(1)\")\n",
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    for (int x : {40, 300, 700, 1000})
        EXPECT_FALSE(DiagonalAt(run.screenshot, x)) << "column " << x;
}

TEST(IdleScripts, FailingEntriesAreReportedEveryFrameAndKeepRunning) {
    ScriptRunOptions options;
    options.frames = 3;
    options.files = {BlackStartupPicture()};
    ScriptRunResult run =
        RunScript("AddIdleString(\"error('idle failure')\")\nAddIdleScript(\"missing_idle.lua\")\n"
                  "AddIdleString(\"print('still running')\")\n",
                  options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(CountOccurrences(run.errors, ":1: idle failure\n"), 3u) << run.errors;
    EXPECT_EQ(CountOccurrences(run.errors, "cannot open missing_idle.lua"), 3u) << run.errors;
    EXPECT_EQ(run.stdoutLog,
              std::string("still running\nstill running\nstill running\n") + kExitLine);
}

TEST(IdleScripts, BadArgumentsAddNoEntry) {
    ScriptRunOptions options;
    options.frames = 0;
    options.files = {BlackStartupPicture()};
    ScriptRunResult run = RunScript(R"lua(
DrawLine(1, 2)
print(AddIdleString(5))
print(AddIdleScript({}))
print(AddIdleScript())
print(AddIdleString("x = 1"))
)lua",
                                    options);
    EXPECT_EQ(run.stdoutLog, std::string("[ERROR] Incorrect Number of arguments specified\n"
                                         "[ERROR] AddIdleString needs a string argument\n0\n"
                                         "[ERROR] AddIdleScript needs a string argument\n0\n"
                                         "[ERROR] Incorrect Number of arguments specified\n\n"
                                         "1\n") +
                                 kExitLine);
}

// Alpha is a transparency inside idle scripts: 0 opaque, 1 invisible.
TEST(Drawing, ShapesSizesAndTransparency) {
    ScriptRunOptions options;
    options.screenshot = true;
    options.files = {BlackStartupPicture()};
    ScriptRunResult run = RunScript(R"lua(
AddIdleString([[
SetForeground(1, 0, 0)
SetTransparent(0)   DrawFilledRectangle(-9, 1, 2, 2)
SetTransparent(0.5) DrawFilledRectangle(-6, 1, 2, 2)
SetTransparent(1)   DrawFilledRectangle(-3, 1, 2, 2)
SetTransparent(0)
DrawFilledSquare(2, 3, -2)
SetForeground(0, 1, 0)
DrawWireSquare(2, 10, 2)
DrawFilledCircle(6, 10, 2)
SetLineWidth(5) SetLineWidth(-3) SetLineWidth(0)
DrawLine(-9, 6, -1, 6)
SetPointSize(7) SetPointSize(0)
DrawPoint(5, 4)
]])
SetForeground(1, 1, 1)
SetTransparent(0)
DrawFilledRectangle(-10, 11, 8, 3)
)lua",
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());

    EXPECT_TRUE(ColourNear(AtWorld(shot, -8, 2), 255, 0, 0));
    EXPECT_TRUE(ColourNear(AtWorld(shot, -5, 2), 128, 0, 0));
    EXPECT_TRUE(ColourNear(AtWorld(shot, -2, 2), 0, 0, 0));
    // A negative size mirrors the square to the lower left of its corner.
    EXPECT_TRUE(ColourNear(AtWorld(shot, 1, 2), 255, 0, 0));
    EXPECT_TRUE(ColourNear(AtWorld(shot, 3, 2), 0, 0, 0));

    // The wire square's left edge is lit, its inside is not.
    EXPECT_GE(CountMatching(shot, PixelX(2) - 1, PixelY(11), 1, 0, 3, IsGreen), 1);
    EXPECT_TRUE(ColourNear(AtWorld(shot, 3, 11), 0, 0, 0));
    EXPECT_TRUE(IsGreen(AtWorld(shot, 6, 10)));
    EXPECT_TRUE(IsGreen(AtWorld(shot, 7.8, 10)));
    EXPECT_TRUE(ColourNear(AtWorld(shot, 8.2, 10), 0, 0, 0));

    // Non-positive sizes were ignored: the line is 5 pixels wide and the point 7 across.
    EXPECT_EQ(CountMatching(shot, PixelX(-5), PixelY(6) - 10, 0, 1, 21, IsGreen), 5);
    EXPECT_EQ(CountMatching(shot, PixelX(5) - 10, PixelY(4), 1, 0, 21, IsGreen), 7);

    // Drawn by the main script, outside any idle script: cleared before it is seen.
    EXPECT_TRUE(ColourNear(AtWorld(shot, -6, 12.5), 0, 0, 0));
}

TEST(Drawing, BackgroundColourFillsWhatNothingCovers) {
    ScriptRunOptions options;
    options.withRuntime = false; // no start-up picture in front of the clear colour
    options.screenshot = true;
    ScriptRunResult run = RunScript("SetBackground(0, 0, 1)\n", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_TRUE(ColourNear(run.screenshot.AtGl(900, 100), 0, 0, 255));
    EXPECT_TRUE(ColourNear(run.screenshot.AtGl(100, 600), 0, 0, 255));
}
