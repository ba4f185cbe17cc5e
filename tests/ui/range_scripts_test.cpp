// Sliders and slider groups driven from scripts through the lui library and
// the Runner's pointer and key events, one frame per gesture; each script's
// output, from the lui prelude's "<lui>" line to its own "<end>", is the
// file of the same name ending in ".expected".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kTestDir = fs::path(__FILE__).parent_path();

struct RangeScript {
    const char* name;
    int frames;
};

class RangeScriptTest : public testing::TestWithParam<RangeScript> {};

TEST_P(RangeScriptTest, PrintsItsExpectedOutput) {
    const RangeScript& script = GetParam();
    ScriptRunOptions options;
    options.frames = script.frames;
    options.frameTime = 0.02;
    options.arguments = {"--strict"};
    options.files = {{"prelude.lua", ReadFile((kTestDir / "lui/prelude.lua").string())}};
    const fs::path base = kTestDir / "ranges" / script.name;
    ScriptRunResult run = RunScript(ReadFile(base.string() + ".lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const std::string expected = ReadFile(base.string() + ".expected");
    ASSERT_FALSE(expected.empty());
    const size_t from = run.stdoutLog.find("<lui>\n");
    ASSERT_NE(from, std::string::npos) << run.stdoutLog;
    EXPECT_EQ(run.stdoutLog.substr(from + 6, expected.size()), expected) << run.stdoutLog;
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeScriptTest,
                         testing::Values(RangeScript{"sliders", 4},
                                         RangeScript{"slider_groups", 5}),
                         [](const testing::TestParamInfo<RangeScript>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
