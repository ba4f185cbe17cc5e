// The lui library through the real registration: one script per family of
// functions, run by scriptdesk-run, each printing into stdout.log exactly
// what the file of the same name ending in ".expected" holds; and one window
// of every control, checked in the screenshot as well.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

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

std::string Expected(const char* name) {
    return ReadFile((kScriptDir / (std::string(name) + ".expected")).string());
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
    EXPECT_EQ(ScriptOutput(run.stdoutLog), Expected(script.name));
}

INSTANTIATE_TEST_SUITE_P(
    Lui, LuiScriptTest,
    testing::Values(LuiScript{"constants"}, LuiScript{"tree"}, LuiScript{"geometry"},
                    LuiScript{"values"}, LuiScript{"ranges"}, LuiScript{"items", 2},
                    LuiScript{"colours"}, LuiScript{"execute", 1, false}, LuiScript{"creators", 2},
                    LuiScript{"dialogs", 1, true, DialogProgram::StandIn},
                    LuiScript{"no_dialog", 1, true, DialogProgram::Missing}),
    [](const testing::TestParamInfo<LuiScript>& info) { return std::string(info.param.name); });

auto Colour(Rgba pixel) {
    return std::make_tuple(int(pixel.r), int(pixel.g), int(pixel.b));
}

// Pixels of the box [x0, x1) x [y0, y1) darker than mid-grey in every channel.
int DarkPixels(const PngImage& shot, int x0, int y0, int x1, int y1) {
    int dark = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            Rgba p = shot.At(x, y);
            dark += p.r < 128 && p.g < 128 && p.b < 128;
        }
    return dark;
}

// Every working control type in one window, built by the creators, driven
// by Runner events and setters, and drawn where its settings put it.
TEST(LuiEveryControl, CreatedDrivenAndDrawn) {
    ScriptRunOptions options;
    options.frames = 5;
    options.screenshot = true;
    options.arguments = {"--strict"};
    options.files = {{"prelude.lua", ReadFile((kScriptDir / "prelude.lua").string())}};
    ScriptRunResult run = RunScript(ReadFile((kScriptDir / "every_control.lua").string()), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(ScriptOutput(run.stdoutLog), Expected("every_control"));

    // The window's client area starts at (10, 26) on the screen.
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    const auto face = std::make_tuple(237, 233, 216);      // colour 0
    const auto white = std::make_tuple(255, 255, 255);     // colour 5
    const auto highlight = std::make_tuple(227, 230, 245); // colour 9
    EXPECT_EQ(Colour(shot.At(400, 600)), face);
    // The title bar's gradient starts in dark blue (colour 2).
    Rgba title = shot.At(13, 20);
    EXPECT_LT(title.r, 16);
    EXPECT_NEAR(title.b, 128, 8);
    // The swatch's own colour, unblended, over its 20x20 rectangle.
    EXPECT_EQ(Colour(shot.At(921, 37)), std::make_tuple(255, 0, 255));
    EXPECT_EQ(Colour(shot.At(939, 55)), std::make_tuple(255, 0, 255));
    EXPECT_EQ(Colour(shot.At(941, 46)), face);
    // The 4x4 red picture with its top-left corner at the image view's.
    EXPECT_EQ(Colour(shot.At(310, 246)), std::make_tuple(255, 0, 0));
    EXPECT_EQ(Colour(shot.At(313, 249)), std::make_tuple(255, 0, 0));
    EXPECT_EQ(Colour(shot.At(314, 249)), face);
    // The text field's white face.
    EXPECT_EQ(Colour(shot.At(135, 97)), white);
    // The list's selected second row in the highlight colour.
    EXPECT_EQ(Colour(shot.At(100, 270)), highlight);
    // The slider (at 20 on the screen, 208 wide, value 9.5 of 10): its 10-pixel
    // handle starts at (208 - 8) * 0.95 - 1 = 189 from its left edge.
    EXPECT_EQ(Colour(shot.At(20 + 188, 130)), face);
    EXPECT_NE(Colour(shot.At(20 + 189, 130)), face);
    EXPECT_NE(Colour(shot.At(20 + 198, 130)), face);
    EXPECT_EQ(Colour(shot.At(20 + 199, 130)), face);
    // The collapsed frame hides its static text; the group shows its button's caption.
    EXPECT_EQ(DarkPixels(shot, 740, 276, 840, 301), 0);
    EXPECT_EQ(Colour(shot.At(800, 276)), face);
    EXPECT_GT(DarkPixels(shot, 520, 276, 600, 301), 20);
}

} // namespace
