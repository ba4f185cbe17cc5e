// Controls driven through Runner's pointer and key events in scriptdesk-run,
// one script per family, each printing between its "--" and "==" lines
// exactly what the file of the same name ending in ".expected" holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(__FILE__).parent_path() / "controls";

struct ControlScript {
    const char* name;
    int steps;
};

void PrintTo(const ControlScript& script, std::ostream* out) {
    *out << script.name;
}

class ControlScripts : public testing::TestWithParam<ControlScript> {};

TEST_P(ControlScripts, PrintWhatTheirExpectedFileHolds) {
    const ControlScript& script = GetParam();
    ScriptRunOptions options;
    options.frames = script.steps + 1; // the last frame reports the last step
    options.arguments = {"--strict"};
    options.files = {{"prelude.lua", ReadFile((kScripts / "prelude.lua").string())}};
    const std::string path = (kScripts / script.name).string();
    ScriptRunResult run = RunScript(ReadFile(path + ".lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Between(run.stdoutLog, "--\n", "==\n"), ReadFile(path + ".expected"));
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlScripts,
                         testing::Values(ControlScript{"pointer", 15}, ControlScript{"field", 12}),
                         [](const testing::TestParamInfo<ControlScript>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
