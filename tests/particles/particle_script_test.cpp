// Scripts run by scriptdesk-run: the presets and Psys through stdout.log
// (each script's expected output lies beside it), and screenshots of the
// four presets at work.
#include <gtest/gtest.h>

#include <functional>

#include "support/script_run.h"

namespace {

std::string ScriptFile(const std::string& name) {
    return ReadFile(std::string(PARTICLE_SCRIPTS_DIR) + "/" + name);
}

// The small cube that MakeMesh loads in these scripts.
ScriptRunOptions WithMesh(int frames, double frameTime, bool screenshot) {
    ScriptRunOptions options;
    options.frames = frames;
    options.frameTime = frameTime;
    options.screenshot = screenshot;
    options.files = {{"small_cube.obj", ScriptFile("small_cube.obj")}};
    return options;
}

// Pixels of a colour family in the rows [top, bottom) of the screenshot.
int CountPixels(const PngImage& image, int top, int bottom,
                const std::function<bool(Rgba)>& family) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width; ++x)
            count += family(image.At(x, y));
    return count;
}

} // namespace

TEST(ParticleScripts, PrintTheExpectedOutput) {
    // count.lua prints Psys.Count after each frame of 0.25 s.
    for (const char* name : {"presets", "count"}) {
        SCOPED_TRACE(name);
        ScriptRunResult run =
            RunScript(ScriptFile(std::string(name) + ".lua"), WithMesh(6, 0.25, false));
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.stdoutLog, ScriptFile(std::string(name) + ".expected"));
    }
}

TEST(ParticleScripts, PresetsShowTheirEffects) {
    // Two seconds from the start on a plain background, side by side, the
    // ground line across row 384; each preset has a colour of its own.
    ScriptRunResult run = RunScript(R"(SetBackgroundImage("none")
MakeMesh("small_cube.obj")
Render.Disable("mesh1")
CreateSimple()
EmitterSetPosition("simple_emitter", -5, 1, 0)
CreateGravity()
EmitterSetPosition("gravity_emitter", -1, 3, 0)
CreateMeshParticles()
EmitterSetPosition("meshp_emitter", 2, 4, 0)
CreateMeshEmitter()
EmitterSetPosition("mesh_emitter", 5, 4, 0)
)",
                                    WithMesh(30, 1.0 / 15, true));
    ASSERT_FALSE(run.screenshot.empty());
    struct Case {
        const char* name;
        std::function<bool(Rgba)> family;
        bool bounces; // nothing well below the ground
    };
    const Case cases[] = {
        {"sparks from a point", [](Rgba c) { return c.r > c.g + 30 && c.r > c.b + 30; }, false},
        {"streaks falling on the floor", [](Rgba c) { return c.b > c.r + 30 && c.b > c.g + 20; },
         true},
        {"meshes falling on the floor", [](Rgba c) { return c.g > c.r + 30 && c.b > c.r + 30; },
         true},
        {"streaks born on a mesh", [](Rgba c) { return c.g > c.r + 20 && c.g > c.b + 20; }, true},
    };
    const PngImage& shot = run.screenshot;
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_GT(CountPixels(shot, 0, 384, row.family), 300);
        int below = CountPixels(shot, 430, shot.height, row.family);
        if (row.bounces)
            EXPECT_EQ(below, 0);
        else
            EXPECT_GT(below, 20);
    }
}
