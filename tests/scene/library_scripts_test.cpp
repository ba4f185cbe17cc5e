// One script per scene library, run by the real runner: stdout.log must equal
// the script's .expected file byte for byte, and standard error must hold its
// .errors file where there is one.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/script_run.h"

namespace {

// The last line of stdout.log after an orderly exit, from the media shutdown.
constexpr char kExitLine[] = "Avi Cleanup\n";

std::string ScriptFile(const std::string& name) {
    return std::string(SCENE_SCRIPTS_DIR) + "/" + name;
}

class LibraryScript : public testing::TestWithParam<const char*> {};

TEST_P(LibraryScript, PrintsWhatItsExpectedFileHolds) {
    const std::string name = GetParam();
    ScriptRunResult run = RunScript(ReadFile(ScriptFile(name + ".lua")));
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, ReadFile(ScriptFile(name + ".expected")) + kExitLine)
        << name << ".lua";
    if (std::filesystem::exists(ScriptFile(name + ".errors"))) {
        EXPECT_NE(run.errors.find(ReadFile(ScriptFile(name + ".errors"))), std::string::npos)
            << name << ".lua wrote to standard error:\n"
            << run.errors;
    }
}

INSTANTIATE_TEST_SUITE_P(Scene, LibraryScript, testing::Values("node", "group", "attr"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

} // namespace
