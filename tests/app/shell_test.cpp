#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "support/script_run.h"

namespace {

// One run: the frame time before the first frame, the argument-count error,
// SetBackgroundImage ignoring wrong arguments silently, output landing in a
// truncated stdout.log, an error ending its chunk on stderr, and os.exit
// ending the run early through the exit handler.
TEST(Shell, ScriptOutputErrorsAndAnEarlyExit) {
    ScriptRunOptions options;
    options.frames = 50;
    options.files = {{"stdout.log", "left over from an earlier run\n"},
                     {"failing.lua", "print('failing runs')\nlocal t\nprint(t.x)\n"}};
    ScriptRunResult run = RunScript("print('begin')\n"
                                    "print(FrameTime())\n"
                                    "print(FrameTime(1))\n"
                                    "SetBackgroundImage(12) SetBackgroundImage()\n"
                                    "SetBackgroundImage('a', 'b')\n"
                                    "io.write('written ') print('end')\n"
                                    "dofile('failing.lua')\n",
                                    options);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.stdoutLog.find("left over"), std::string::npos);
    EXPECT_EQ(Between(run.stdoutLog, "begin", "end"),
              "begin\n9.9999997473788e-05\n"
              "[ERROR] Incorrect Number of arguments specified\n\nwritten end");
    EXPECT_NE(run.errors.find("failing.lua:3: attempt to index local 't' (a nil value)\n"),
              std::string::npos);
    EXPECT_EQ(run.console.find("end"), std::string::npos);

    ScriptRunResult early = RunScript("print('bye') os.exit(0) print('never')", options);
    EXPECT_EQ(early.exitStatus, 0);
    EXPECT_EQ(early.stdoutLog.find("never"), std::string::npos);
    EXPECT_NE(early.stdoutLog.find("bye\nAvi Cleanup\n"), std::string::npos);
}

// Finalizers run while the interpreter closes at exit, after the toolkit and
// the pictures are gone: what they draw must not bring the exit down.
TEST(Shell, FinalizersThatDrawAtExitLeaveTheExitStatusAtZero) {
    ScriptRunResult run = RunScript("local p = newproxy(true)\n"
                                    "getmetatable(p).__gc = function()\n"
                                    "  DrawLine(0, 0, 1, 1) DrawPoint(1, 1) print('finalized')\n"
                                    "end\n"
                                    "keep = p\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.stdoutLog.find("Avi Cleanup\nfinalized\n"), std::string::npos);
}

// With the camera level with the grid, the 21+21 grey lines fall on the
// horizon: the middle rows of the surface, from edge to edge.
TEST(Shell, TheGridIsDrawnOnTheHorizonInGrey) {
    ScriptRunResult run = RunScript("", {.frames = 2, .frameTime = 0.02, .screenshot = true});
    ASSERT_EQ(run.exitStatus, 0);
    const PngImage& shot = run.screenshot;
    ASSERT_GT(shot.width, 100);
    auto isGrid = [](Rgba p) { return p.r == 102 && p.g == 102 && p.b == 102; };
    int horizon = -1;
    for (int y = shot.height / 2 - 2; y <= shot.height / 2 + 2; ++y)
        if (isGrid(shot.At(shot.width / 2, y))) horizon = y;
    ASSERT_NE(horizon, -1) << "no grid pixel near the middle row";
    for (int x = 2; x < shot.width; x += shot.width / 7) EXPECT_TRUE(isGrid(shot.At(x, horizon))) << x;
    for (int y = 10; y < shot.height; y += shot.height / 5) {
        if (y >= horizon - 2 && y <= horizon + 2) continue;
        EXPECT_FALSE(isGrid(shot.At(shot.width / 2, y))) << y;
    }
}

// Escape through a real X key event ends scriptdesk with status 0, and the
// exit handler runs once. It runs on an X server of its own, so that the key
// reaches no other test's window.
TEST(Shell, EscapeEndsTheProgramWithStatusZero) {
    if (system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool missing";
    std::string dir = MakeWorkDir();
    std::string display = std::to_string(600 + getpid() % 300);
    std::string session = "timeout 30 '" SCRIPTDESK_PATH "' >console.txt 2>errors.txt & pid=$!; "
                          "timeout 20 xdotool search --sync --onlyvisible --name scriptdesk "
                          "key --window %1 Escape >/dev/null 2>&1; "
                          "wait $pid; echo $? >status.txt";
    RunCommand("xvfb-run -a -n " + display + " -s '-screen 0 640x480x24 -noreset' sh -c '" + session + "'",
               dir);
    EXPECT_EQ(ReadFile(dir + "/status.txt"), "0\n");
    std::string log = ReadFile(dir + "/stdout.log");
    size_t first = log.find("Avi Cleanup\n");
    EXPECT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("Avi Cleanup\n", first + 1), std::string::npos);
}

} // namespace
