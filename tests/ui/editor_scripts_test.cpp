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

class EditorScripts : public testing::TestWithParam<EditorScript> {};

TEST_P(EditorScripts, PrintWhatTheirExpectedFileHolds) {
    const EditorScript& script = GetParam();
    ScriptRunOptions options;
    options.frames = script.steps + 1; // the last frame shows the last step
    options.arguments = {"--strict"};
    options.files = script.files;
    // The lui scripts' value printing, the control scripts' steps and our own
    // pointer helpers.
    const fs::path ui = kScripts.parent_path();
    for (const auto& [name, from] : {std::pair{"prelude.lua", ui / "lui/prelude.lua"},
                                     std::pair{"controls_prelude.lua", ui / "controls/prelude.lua"},
                                     std::pair{"editors_prelude.lua", kScripts / "prelude.lua"}})
        options.files.push_back({name, ReadFile(from.string())});
    options.environment = {"HOME=\"$PWD/scripts\""};
    const std::string path = (kScripts / script.name).string();
    const ScriptRunResult run = RunScript(ReadFile(path + ".lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    // From the lui prelude's "<lui>" to the steps' closing "==".
    const std::string expected = ReadFile(path + ".expected");
    const size_t from = run.stdoutLog.find("<lui>\n");
    ASSERT_NE(from, std::string::npos) << run.stdoutLog;
    EXPECT_EQ(run.stdoutLog.substr(from, expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, EditorScripts,
    testing::Values(EditorScript{"script_editor", 8}, EditorScript{"output_list", 2},
                    EditorScript{
                        "files", 6, {{"scripts/hello.lua", "print(\"hello from a file\")\n"}}}),
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

TEST(SyntaxFileAtStartUp, WarnsOncePerUnknownSectionFromEitherPlace) {
    ScriptRunOptions inSyntax, inWorkingFolder;
    inSyntax.files = {{"syntax/lua2.syn", kSchemeHeader + "Operators { + }\nKeyWords9 { a b c }\n"
                                                          "Shades { x }\nKeyWords1 { if }\n"}};
    inWorkingFolder.withRuntime = false;
    inWorkingFolder.files = {{"lua2.syn", kSchemeHeader + "Unknown { }\n"}};
    EXPECT_EQ(Warnings(RunScript("", inSyntax).console), 2);
    EXPECT_EQ(Warnings(RunScript("", inWorkingFolder).console), 1);
}

// The pixel of [x0, x1) x [y0, y1) furthest from white.
Rgba darkestPixel(const PngImage& shot, int x0, int y0, int x1, int y1) {
    Rgba darkest{255, 255, 255, 255};
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgba pixel = shot.At(x, y);
            if (pixel.r + pixel.g + pixel.b < darkest.r + darkest.g + darkest.b) darkest = pixel;
        }
    return darkest;
}

// Whether a pixel is `colour` laid over white at a coverage of at least a
// half: the edges of strokes that no pixel holds whole still tell it.
bool isShadeOf(const Rgba& ink, const Rgba& colour) {
    const int inkChannels[3] = {ink.r, ink.g, ink.b};
    const int colourChannels[3] = {colour.r, colour.g, colour.b};
    // The coverage shows best in the channel furthest from white.
    const int* deepest = std::min_element(colourChannels, colourChannels + 3);
    const double coverage = (255.0 - inkChannels[deepest - colourChannels]) / (255.0 - *deepest);
    if (coverage < 0.5) return false;
    for (int c = 0; c < 3; ++c)
        if (std::abs(255 - coverage * (255 - colourChannels[c]) - inkChannels[c]) > 5) return false;
    return true;
}

TEST(ShippedSyntaxFile, ColoursLuaReadablyAndTheCheckBoxTurnsItOff) {
    ScriptRunOptions options;
    options.frames = 2;
    options.screenshot = true;
    // Two editors showing the same code, the second with highlighting off.
    // Their code editors' text starts at (114, 310) and (614, 310).
    const ScriptRunResult run = RunScript(R"(
        local code = 'if x == 1 then\n  print("s", 42) -- note\nend\n--[[ a\nb ]] luiWindow'
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
    // The colours of runtime/syntax/lua2.syn.
    struct Token {
        const char* name;
        int column, line, characters;
        Rgba colour;
    };
    for (const Token& token :
         {Token{"keyword", 0, 0, 2, {0, 0, 204}}, Token{"plain word", 3, 0, 1, {0, 0, 0}},
          Token{"operator", 5, 0, 2, {140, 69, 0}},
          Token{"standard library", 2, 1, 5, {128, 0, 153}}, Token{"string", 8, 1, 3, {179, 0, 0}},
          Token{"number", 13, 1, 2, {217, 89, 0}}, Token{"bracket", 7, 1, 1, {140, 69, 0}},
          Token{"comment", 17, 1, 7, {0, 128, 0}}, Token{"block comment", 0, 4, 4, {0, 128, 0}},
          Token{"system function", 5, 4, 9, {0, 115, 115}}}) {
        for (const int left : {114, 614}) {
            const int x = left + 6 * token.column, y = 310 + 13 * token.line;
            const Rgba ink = darkestPixel(shot, x, y, x + 6 * token.characters, y + 12);
            const bool highlighted = left == 114;
            EXPECT_TRUE(isShadeOf(ink, highlighted ? token.colour : Rgba{0, 0, 0, 255}))
                << token.name << (highlighted ? "" : " (highlighting off)") << ": " << int(ink.r)
                << " " << int(ink.g) << " " << int(ink.b);
        }
    }
}

} // namespace
