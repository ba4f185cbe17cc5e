// The Runner library and --strict, through scriptdesk-run.
#include <gtest/gtest.h>

#include "support/script_run.h"

namespace {

TEST(Runner, WrongArgumentsRaiseAnErrorNamingTheFunction) {
    ScriptRunResult run = RunScript(R"(
        print("--")
        local calls = {
            function() Runner.Move(1) end,
            function() Runner.Move(0/0, 1) end,
            function() Runner.Press(1, 2, 3) end,
            function() Runner.Release(1, 2, 0, "shift", 5) end,
            function() Runner.Press(1, 2, 0, "hyper") end,
            function() Runner.Key(5) end,
            function() Runner.Key("a", "ctrl+meta") end,
            function() Runner.SpecialKey(50) end,
            function() Runner.SpecialKey(12, 4) end,
            function() Runner.Key(string.rep("k", 100001)) end,
        }
        for _, call in ipairs(calls) do print(select(2, pcall(call))) end
    )");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(Between(run.stdoutLog, "--", ""),
              "--\nRunner.Move expects the numbers x and y\n"
              "Runner.Move expects the numbers x and y\n"
              "Runner.Press expects x, y, an optional button 0, 1 or 2 and an optional modifier "
              "string\n"
              "Runner.Release expects x, y, an optional button 0, 1 or 2 and an optional modifier "
              "string\n"
              "Runner.Press: unknown modifier \"hyper\" (use shift, ctrl and alt)\n"
              "Runner.Key expects a text and an optional modifier string\n"
              "Runner.Key: unknown modifier \"meta\" (use shift, ctrl and alt)\n"
              "Runner.SpecialKey expects a GLUT special key code and an optional modifier string\n"
              "Runner.SpecialKey: the modifiers must be a string\n"
              "Runner.Key: more than 100000 events are waiting for the next frame\n"
              "Avi Cleanup\n");
}

// A left drag on the empty desktop reaches the shell and tilts the view: the
// grid, level with the camera before, now covers rows far from the middle.
TEST(Runner, ADragThatNoControlTakesTurnsTheView) {
    ScriptRunResult run =
        RunScript("Runner.Move(500, 300)\n"
                  "Runner.Press(500, 300)\n"
                  "Runner.Move(500, 400)\n"
                  "Runner.Release(500, 400)\n",
                  {.frames = 2, .frameTime = 0.02, .screenshot = true, .arguments = {"--strict"}});
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const PngImage& shot = run.screenshot;
    ASSERT_GT(shot.height, 100);
    int gridPixelsAway = 0;
    for (int y = 0; y < shot.height; ++y) {
        if (std::abs(y - shot.height / 2) < 40) continue;
        for (int x = 0; x < shot.width; x += 4) {
            Rgba p = shot.At(x, y);
            gridPixelsAway += p.r == 102 && p.g == 102 && p.b == 102;
        }
    }
    EXPECT_GT(gridPixelsAway, 100);
}

// Queued keys arrive at the start of the next frame, before its idle pass:
// Ctrl+[ is Escape and ends the run there, in the orderly way.
TEST(Runner, KeysArriveBeforeTheNextIdlePassAndCtrlBracketIsEscape) {
    ScriptRunResult run = RunScript("n = 0\n"
                                    "Runner.Key('[')\n"
                                    "AddIdleString([[ n = n + 1 print('frame ' .. n)\n"
                                    "  if n == 2 then Runner.Key('[', 'ctrl') end ]])\n",
                                    {.frames = 5, .arguments = {"--strict"}});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Between(run.stdoutLog, "frame", ""), "frame 1\nframe 2\nAvi Cleanup\n");
}

// Errors that end a chunk fail a strict run after the usual shutdown, however
// the run ends: its frames done, or os.exit (even with 0) after an error went to _ALERT.
TEST(Runner, AStrictRunThatReportedScriptErrorsEndsWithStatusOne) {
    const struct {
        const char* name;
        const char* script;
        const char* report;
    } rows[] = {
        {"an error in the script", "print('before') error('boom')",
         "script.lua:1: boom\nscriptdesk-run: 1 script error(s) reported\n"},
        {"an idle error to _ALERT, then os.exit(0)",
         "_ALERT = function(m) print('alert: ' .. m) end\n"
         "AddIdleString(\"n = (n or 0) + 1 if n == 2 then os.exit(0) end error('idle', 0)\")",
         "scriptdesk-run: 1 script error(s) reported\n"},
    };
    for (const auto& row : rows) {
        ScriptRunResult run = RunScript(row.script, {.frames = 3, .arguments = {"--strict"}});
        EXPECT_EQ(run.exitStatus, 1) << row.name;
        EXPECT_NE(run.errors.find(row.report), std::string::npos) << row.name << ": " << run.errors;
        EXPECT_NE(run.stdoutLog.find("Avi Cleanup\n"), std::string::npos) << row.name;
    }
}

} // namespace
