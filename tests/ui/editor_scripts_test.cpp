// The script editor and the syntax file end to end, in scriptdesk-run: scripts
// driving editors with Runner's pointer and keys, each printing what the file
// of the same name ending in ".expected" holds; the syntax file read at
// start-up; and the shipped colour scheme in a screenshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(__FILE__).parent_path() / "editors";

struct EditorScript {
    const char* name;
    int steps;
    // Files placed in the run's folder; $HOME is its folder "scripts".
    std::vector<std::pair<std::string, std::string>> files = {};
};

void PrintTo(const EditorScript& script, std::ostream* out) {
    *out << script.name;
}

std::string Between(const std::string& log, const std::string& first, const std::string& last) {
    size_t from = log.find(first);
    if (from == std::string::npos) return "<no " + first + "> " + log;
    from += first.size();
    const size_t to = log.find(last, from);
    return log.substr(from, to == std::string::npos ? std::string::npos : to + last.size() - from);
}

class EditorScripts : public testing::TestWithParam<EditorScript> {};

TEST_P(EditorScripts, PrintWhatTheirExpectedFileHolds) {
    const EditorScript& script = GetParam();
    ScriptRunOptions options;
    options.frames = script.steps + 1; // the last frame shows the last step
    options.arguments = {"--strict"};
    options.files = script.files;
    options.files.push_back({"prelude.lua", ReadFile((kScripts / "prelude.lua").string())});
    options.environment = {"HOME=\"$PWD/scripts\""};
    const std::string path = (kScripts / script.name).string();
    const ScriptRunResult run = RunScript(ReadFile(path + ".lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Between(run.stdoutLog, "<editors>\n", "<end>\n"), ReadFile(path + ".expected"));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, EditorScripts,
    testing::Values(EditorScript{"script_editor", 8}, EditorScript{"output_list", 2},
                    EditorScript{
                        "files", 7, {{"scripts/hello.lua", "print(\"hello from a file\")\n"}}}),
    [](const testing::TestParamInfo<EditorScript>& info) { return std::string(info.param.name); });

// A syntax file up to its sections, all sixteen colours black.
const std::string kSchemeHeader = [] {
    std::string text = "Language Test\nHighlighting On 1\nWords 0\nColours\n";
    for (int i = 0; i < 16; ++i)
        text += "0 0 0\n";
    return text;
}();

// How often the console shows the unknown-section warning.
int Warnings(const std::string& console) {
    const std::string warning = "Warning... parse error in syntax file\n";
    int count = 0;
    for (size_t at = console.find(warning); at != std::string::npos;
         at = console.find(warning, at + 1))
        ++count;
    return count;
}

TEST(SyntaxFileAtStartUp, WarnsOncePerUnknownSectionBeforeOutputGoesToTheLog) {
    ScriptRunOptions options;
    options.files = {{"syntax/lua2.syn", kSchemeHeader + "Operators { + }\nKeyWords9 { a b c }\n"
                                                         "Shades { x }\nKeyWords1 { if }\n"}};
    const ScriptRunResult run = RunScript("", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Warnings(run.console), 2) << run.console;
}

TEST(SyntaxFileAtStartUp, FallsBackToTheWorkingFolder) {
    ScriptRunOptions options;
    options.withRuntime = false;
    options.files = {{"lua2.syn", kSchemeHeader + "Unknown { }\n"}};
    const ScriptRunResult run = RunScript("", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Warnings(run.console), 1) << run.console;
}

// A glyph pixel of `colour` laid over the white panel, at any coverage.
bool isShadeOf(const Rgba& ink, float r, float g, float b) {
    const float colour[3] = {r * 255, g * 255, b * 255};
    const int channels[3] = {ink.r, ink.g, ink.b};
    const float deepest = std::min({colour[0], colour[1], colour[2]});
    const int k = deepest == colour[0] ? 0 : deepest == colour[1] ? 1 : 2;
    const float coverage = (255 - channels[k]) / (255 - deepest);
    if (coverage < 0.5f) return false;
    for (int c = 0; c < 3; ++c)
        if (std::abs(255 - coverage * (255 - colour[c]) - channels[c]) > 5) return false;
    return true;
}

// The pixel of the box furthest from white.
Rgba inkOf(const PngImage& shot, int x0, int y0, int x1, int y1) {
    Rgba best{255, 255, 255, 255};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgba p = shot.At(x, y);
            if (p.r + p.g + p.b < best.r + best.g + best.b) best = p;
        }
    return best;
}

TEST(ShippedSyntaxFile, ColoursLuaReadablyAndTheCheckBoxTurnsItOff) {
    ScriptRunOptions options;
    options.frames = 2;
    options.screenshot = true;
    // Two editors showing the same code, the second with highlighting off.
    // Their code editors' text starts at (114, 310) and (614, 310).
    const ScriptRunResult run = RunScript(R"(
        local code = 'if x then\n  print("s", 42) -- note\nend\n--[[ a\nb ]] luiWindow'
        for _, x in ipairs({100, 600}) do
            luiSetString(luiScriptEditor{x = x, y = 100, w = 400, h = 400}, code)
        end
        Runner.Press(610, 478) Runner.Release(610, 478)
        Runner.Move(1000, 10)
    )",
                                          options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    struct Token {
        const char* name;
        int column, line, characters;
        float r, g, b;
    };
    for (const Token& token :
         {Token{"keyword", 0, 0, 2, 0, 0, 0.8f}, Token{"standard library", 2, 1, 5, 0.5f, 0, 0.6f},
          Token{"string", 8, 1, 3, 0.7f, 0, 0}, Token{"number", 13, 1, 2, 0.85f, 0.35f, 0},
          Token{"bracket", 7, 1, 1, 0.55f, 0.27f, 0}, Token{"comment", 17, 1, 7, 0, 0.5f, 0},
          Token{"block comment", 0, 4, 4, 0, 0.5f, 0},
          Token{"system function", 5, 4, 9, 0, 0.45f, 0.45f}}) {
        for (const int left : {114, 614}) {
            const int x = left + 6 * token.column, y = 310 + 13 * token.line;
            const Rgba ink = inkOf(shot, x, y, x + 6 * token.characters, y + 12);
            const bool highlighted = left == 114;
            EXPECT_TRUE(highlighted ? isShadeOf(ink, token.r, token.g, token.b)
                                    : isShadeOf(ink, 0, 0, 0))
                << token.name << (highlighted ? "" : " (highlighting off)") << ": " << int(ink.r)
                << " " << int(ink.g) << " " << int(ink.b);
        }
    }
}

} // namespace
