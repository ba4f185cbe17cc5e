// The lui library through the real registration: one script per family of
// functions, run by scriptdesk-run, each printing into stdout.log exactly
// what the file of the same name ending in ".expected" holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kScriptDir = fs::path(__FILE__).parent_path() / "lui";

// Where the native file dialogs find their program.
enum class DialogProgram { Inherited, StandIn, Missing };

struct LuiScript {
    const char* name;
    int frames = 1;
    // Scripts that make errors on purpose report them.
    bool strict = true;
    DialogProgram dialogs = DialogProgram::Inherited;
};

void PrintTo(const LuiScript& script, std::ostream* out) {
    *out << script.name;
}

// What the script printed between the prelude's "<lui>" line and its own
// "<end>" line (kept).
std::string ScriptOutput(const std::string& log) {
    const std::string begin = "<lui>\n", end = "<end>\n";
    size_t from = log.find(begin);
    if (from == std::string::npos) return "<no output>\n" + log;
    from += begin.size();
    size_t to = log.find(end, from);
    return log.substr(from, to == std::string::npos ? std::string::npos : to + end.size() - from);
}

class LuiScriptTest : public testing::TestWithParam<LuiScript> {};

TEST_P(LuiScriptTest, PrintsItsExpectedOutput) {
    const LuiScript& script = GetParam();
    ScriptRunOptions options;
    options.frames = script.frames;
    options.files = {{"prelude.lua", ReadFile((kScriptDir / "prelude.lua").string())}};
    if (script.strict) options.arguments = {"--strict"};
    if (script.dialogs == DialogProgram::StandIn)
        options.environment = {"PATH=" + (kScriptDir / "standin").string() + ":/usr/bin:/bin"};
    if (script.dialogs == DialogProgram::Missing) options.environment = {"PATH=/nonexistent"};
    ScriptRunResult run =
        RunScript(ReadFile((kScriptDir / (std::string(script.name) + ".lua")).string()), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(ScriptOutput(run.stdoutLog),
              ReadFile((kScriptDir / (std::string(script.name) + ".expected")).string()));
}

INSTANTIATE_TEST_SUITE_P(
    Lui, LuiScriptTest,
    testing::Values(LuiScript{"constants"}, LuiScript{"tree"}, LuiScript{"geometry"},
                    LuiScript{"values"}, LuiScript{"ranges"}, LuiScript{"items", 2},
                    LuiScript{"colours"}, LuiScript{"execute", 1, false}, LuiScript{"creators", 2},
                                         LuiScript{"dialogs", 1, true, DialogProgram::StandIn},
                                         LuiScript{"no_dialog", 1, true, DialogProgram::Missing}),
    [](const testing::TestParamInfo<LuiScript>& info) { return std::string(info.param.name); });

} // namespace
