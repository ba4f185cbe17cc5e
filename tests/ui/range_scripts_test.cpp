// Sliders and slider groups driven from scripts through the lui library and
// Runner's pointer and key events, one gesture a frame. Each script prints,
// after the lui prelude's "<lui>" line, what its ".expected" file holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

const std::filesystem::path kTestDir = std::filesystem::path(__FILE__).parent_path();

class RangeScript : public testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(RangeScript, PrintsItsExpectedOutput) {
    const auto [name, frames] = GetParam();
    ScriptRunOptions options;
    options.frames = frames;
    options.arguments = {"--strict"};
    options.files = {{"prelude.lua", ReadFile((kTestDir / "lui/prelude.lua").string())}};
    const std::string base = (kTestDir / "ranges" / name).string();
    ScriptRunResult run = RunScript(ReadFile(base + ".lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const std::string expected = ReadFile(base + ".expected"), log = run.stdoutLog;
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(log.substr(std::min(log.find("<lui>\n") + 6, log.size()), expected.size()), expected)
        << log;
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeScript,
                         testing::Values(std::pair{"sliders", 4}, std::pair{"slider_groups", 5}),
                         [](const auto& info) { return std::string(info.param.first); });

} // namespace
