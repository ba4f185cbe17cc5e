// Frame layouts, list boxes and combo boxes built by scripts through the lui
// library and driven by the Runner's pointer events, a frame per gesture.
// What each script in lists/ prints after the lui prelude's "<lui>" line is
// the file of the same name ending in ".expected".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kHere = fs::path(__FILE__).parent_path();

// The script's output from the prelude's marker on.
std::string OutputOf(const std::string& name, int frames) {
    ScriptRunOptions options;
    options.frames = frames;
    options.frameTime = 0.02;
    options.arguments = {"--strict"};
    options.files = {{"prelude.lua", ReadFile((kHere / "lui" / "prelude.lua").string())}};
    const ScriptRunResult run =
        RunScript(ReadFile((kHere / "lists" / (name + ".lua")).string()), options);
    if (run.exitStatus != 0)
        return "exit status " + std::to_string(run.exitStatus) + "\n" + run.errors;
    const std::string marker = "<lui>\n";
    const size_t at = run.stdoutLog.find(marker);
    return at == std::string::npos ? run.stdoutLog : run.stdoutLog.substr(at + marker.size());
}

TEST(ListScripts, EachPrintsWhatItsGesturesDid) {
    const std::pair<std::string, int> scripts[] = {{"frame_layout", 5}, {"lists", 8}};
    for (const auto& [name, frames] : scripts) {
        const std::string expected = ReadFile((kHere / "lists" / (name + ".expected")).string());
        const std::string output = OutputOf(name, frames);
        EXPECT_EQ(output.substr(0, output.find("<end>\n") + 6), expected) << name;
    }
}

} // namespace
