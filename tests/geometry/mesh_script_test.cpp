// MakeMesh through the real runner: the shipped meshes load, print their
// lines and are drawn lit in the 3D view; bad calls make nothing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/script_run.h"

namespace {

// The grey level of a pixel whose three channels agree to within one; -1 if they do not.
int Grey(const Rgba& p) {
    if (std::abs(p.r - p.g) > 1 || std::abs(p.g - p.b) > 1) return -1;
    return p.g;
}

TEST(MakeMesh, LoadsAndDrawsTheShippedMeshes) {
    ScriptRunOptions options;
    options.screenshot = true;
    options.files = {{"123", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"}};
    ScriptRunResult run = RunScript(R"(
local meshes = ")" SCRIPTDESK_RUNTIME_DIR R"(/meshes/"
MakeMesh(meshes .. "cube.obj")
MakeMesh(meshes .. "torus.obj")
MakeMesh(meshes .. "pyramid.obj")
MakeMesh(123)
print(Node.Name(1), Node.Name(2), Node.Name(3), Node.Name(4), Node.Type(4))
print(select("#", MakeMesh()), select("#", MakeMesh("123", "123")), select("#", MakeMesh({})),
      select("#", MakeMesh(nil)), select("#", MakeMesh("missing.obj")), select("#", MakeMesh(".")))
print(Node.Exists(5))
)",
                                    options);
    EXPECT_EQ(run.stdoutLog,
              "P = 1\nNew Mesh Loaded, id=1\nP = 2\nNew Mesh Loaded, id=2\n"
              "P = 3\nNew Mesh Loaded, id=3\nP = 4\nNew Mesh Loaded, id=4\n"
              "mesh1\tmesh1\tmesh1\tmesh1\t3\n0\t0\t0\t0\t0\t0\nfalse\nAvi Cleanup\n");
    ASSERT_FALSE(run.screenshot.empty());
    // The camera looks at the origin from 15 units: the torus (front at the
    // middle of the screen) hides the middle of the cube; the cube's front face
    // shows above it and the pyramid's tip above that. Light 0 shines from the
    // viewer onto the default material: 0.84 for faces facing the viewer.
    EXPECT_EQ(Grey(run.screenshot.At(460, 325)), 214);      // cube front
    EXPECT_EQ(Grey(run.screenshot.At(512, 305)), 200);      // pyramid front
    EXPECT_NEAR(Grey(run.screenshot.At(512, 384)), 214, 2); // torus front
    EXPECT_LT(Grey(run.screenshot.At(400, 350)),
              Grey(run.screenshot.At(400, 384)) - 40); // tube curving away
}

} // namespace
