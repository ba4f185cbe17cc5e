// A window over the whole desktop, made by a script through luiWindow,
// driven with Runner's pointer events (one gesture a frame) and checked in the
// runner's screenshot.
#include <gtest/gtest.h>

#include <tuple>

#include "support/script_run.h"

namespace {

std::string After(const std::string& log, const std::string& marker) {
    size_t at = log.find(marker);
    return at == std::string::npos ? "<no marker>" : log.substr(at);
}

// Script helpers: a window made in one call, and where it is (nothing once it
// is gone).
const char* const kWindowHelpers = R"(
    function window(name, title, x, y, width, height)
        luiWindow{name = name, label = title, x = x, y = y, w = width, h = height}
    end
    function where(name)
        if not pcall(luiGetPosition, name) then return end
        local x, y = luiGetPosition(name)
        local width, height = luiGetSize(name)
        return x, y, width, height
    end
)";

TEST(WindowOnTheDesktop, PointerGesturesMoveResizeMaximiseRestoreMinimiseAndCloseAndItShows) {
    ScriptRunOptions options;
    options.frames = 7;
    options.frameTime = 0.02;
    options.screenshot = true;
    ScriptRunResult run = RunScript(kWindowHelpers + std::string(R"(
        local function click(x, y) Runner.Press(x, y) Runner.Release(x, y) end
        local function drag(x, y, toX, toY)
            Runner.Press(x, y) Runner.Move(toX, toY) Runner.Release(toX, toY)
        end
        print("--")
        window("w", "Gestures", 100, 100, 300, 200)
        drag(200, 108, 260, 148)
        -- Each frame shows what the last frame's gesture did, then queues the next.
        gestures = {
            function() drag(459, 200, 559, 200) end,
            function() click(540, 148) end,
            function() click(1004, 8) end,
            function() click(528, 148) click(276, 148) end,
            function() click(552, 148) end,
            function() window("shown", "Hello, desktop", 200, 150, 420, 260) end,
        }
        step = 0
        AddIdleString([[
            step = step + 1
            if gestures[step] then print(where("w")) gestures[step]() end
        ]])
    )"),
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    // Moved by (60, 40); widened by 100 from the right edge; maximised to the
    // screen size (drawn at the origin, its place kept); restored; minimised
    // and brought back by the button on its strip; closed from the title bar.
    EXPECT_EQ(After(run.stdoutLog, "--"),
              "--\n160\t140\t300\t200\n160\t140\t400\t200\n160\t140\t1024\t768\n"
              "160\t140\t400\t200\n160\t140\t400\t200\n\nAvi Cleanup\n");

    // The window left standing shows over the start-up picture.
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    // The title bar's gradient runs from dark blue on the left to a lighter end.
    Rgba left = shot.At(210, 158), right = shot.At(560, 158);
    EXPECT_GT(left.b, left.r);
    EXPECT_NE(left.b, right.b);
    // The client area is one flat face colour, hiding the picture behind it.
    Rgba face = shot.At(400, 300), elsewhere = shot.At(250, 380);
    EXPECT_EQ(std::tie(face.r, face.g, face.b), std::tie(elsewhere.r, elsewhere.g, elsewhere.b));
    // Some title text pixels are white.
    int white = 0;
    for (int x = 205; x < 400; ++x)
        for (int y = 152; y < 166; ++y) {
            Rgba p = shot.At(x, y);
            white += p.r > 230 && p.g > 230 && p.b > 230;
        }
    EXPECT_GT(white, 20);
}

// Alt alone with F12 from a script hides the toolkit (Ctrl+Alt+F12 does not):
// a click on the close button then reaches the shell and the window stays.
TEST(WindowOnTheDesktop, AltF12FromAScriptHidesTheToolkitAndItsWindowsTakeNoClicks) {
    ScriptRunOptions options;
    options.frames = 3;
    options.arguments = {"--strict"};
    ScriptRunResult run = RunScript(kWindowHelpers + std::string(R"(
        function close() Runner.Press(392, 108) Runner.Release(392, 108) end
        print("--")
        window("w", "Hidden", 100, 100, 300, 200)
        Runner.SpecialKey(12, "ctrl alt")
        Runner.SpecialKey(12, "alt")
        close()
        step = 0
        AddIdleString([[
            step = step + 1
            print(where("w"))
            if step == 1 then Runner.SpecialKey(12, "alt") close() end
        ]])
    )"),
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(After(run.stdoutLog, "--"), "--\n100\t100\t300\t200\n\n\nAvi Cleanup\n");
}

} // namespace
