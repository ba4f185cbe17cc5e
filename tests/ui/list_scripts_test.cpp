// List boxes, combo boxes and frame layouts built by a script through the lui
// library and driven by the Runner's pointer events, a frame per gesture:
// what lists/lists.lua prints after the lui prelude's "<lui>" line is
// lists/lists.expected.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

const std::filesystem::path kHere = std::filesystem::path(__FILE__).parent_path();

TEST(ListScript, ClicksChooseRowsScrollBarsMoveThemAndCollapsedFramesPassNoClick) {
    ScriptRunOptions options;
    options.frames = 12;
    options.frameTime = 0.02;
    options.arguments = {"--strict"};
    options.files = {{"prelude.lua", ReadFile((kHere / "lui/prelude.lua").string())}};
    const ScriptRunResult run = RunScript(ReadFile((kHere / "lists/lists.lua").string()), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const std::string& log = run.stdoutLog;
    const size_t begin = log.find("<lui>\n"), end = log.find("<end>\n");
    ASSERT_TRUE(begin != std::string::npos && end != std::string::npos) << log;
    EXPECT_EQ(log.substr(begin + 6, end + 6 - begin - 6),
              ReadFile((kHere / "lists/lists.expected").string()));
}

} // namespace
