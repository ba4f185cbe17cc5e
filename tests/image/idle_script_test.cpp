// The idle-script list as scripts see it, through the real runner.
#include <gtest/gtest.h>

#include "script_files.h"

namespace {

TEST(IdleScripts, RunInOrderObeyTheirFlagsAndReportFailuresEveryFrame) {
    ScriptRunOptions options =
        QuickStart({{"count.lua", "print('file ' .. frame)\n"}, {"broken.lua", "x = = 1\n"}});
    options.frames = 4;
    const ScriptRunResult run = RunScript(ScriptFile("idle_list.lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, ScriptFile("idle_list.out"));
}

// The file is written here, well before the run, so that the first edit, which keeps its
// size, also moves its modification time.
TEST(IdleScripts, AnEditedFileRunsAsEditedFromItsNextTurn) {
    ScriptRunOptions options = QuickStart({{"edited.lua", "print('one', frame)"}});
    options.frames = 9;
    const ScriptRunResult run = RunScript(ScriptFile("idle_file_edits.lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, ScriptFile("idle_file_edits.out"));
}

} // namespace
