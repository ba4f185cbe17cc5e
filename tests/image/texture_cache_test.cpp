#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "image/texture_cache.h"
#include "library_test_pictures.h"
#include "support/gl_window.h"
#include "support/script_run.h"

using test_pictures::Bmp24;
using test_pictures::kExitLine;
using test_pictures::SolidBmp;

TEST(TextureCache, SharesAPathUntilItsLastReleaseThenReloadsUnderANewId) {
    EnsureGlWindow();
    const std::string dir = MakeWorkDir();
    const std::string path = dir + "/tile.bmp";
    WriteFile(path, SolidBmp(4, 4, {255, 0, 0}));

    const uint32_t first = AcquireTexture(path.c_str());
    ASSERT_NE(first, 0u);
    EXPECT_EQ(AcquireTexture(path.c_str()), first);
    const TextureRecord* record = FindTexture(first);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->references, 2u);
    const GLuint texture = record->texture;
    EXPECT_TRUE(glIsTexture(texture));

    ReleaseTexture(first);
    ASSERT_NE(FindTexture(first), nullptr);
    EXPECT_TRUE(glIsTexture(texture));
    ReleaseTexture(first);
    EXPECT_EQ(FindTexture(first), nullptr);
    EXPECT_FALSE(glIsTexture(texture));
    ReleaseTexture(first);
    ReleaseTexture(0);

    const uint32_t again = AcquireTexture(path.c_str());
    EXPECT_GT(again, first);
    // Paths are compared as text: another spelling of the same file is another picture.
    const std::string dotted = dir + "/./tile.bmp";
    const uint32_t other = AcquireTexture(dotted.c_str());
    ASSERT_NE(other, 0u);
    EXPECT_NE(other, again);
    EXPECT_NE(FindTexture(other)->texture, FindTexture(again)->texture);
    ReleaseTexture(again);
    ReleaseTexture(other);
    EXPECT_EQ(FindTexture(again), nullptr);
    EXPECT_EQ(FindTexture(other), nullptr);
}

TEST(TextureCache, UnloadablePictureGivesZero) {
    EnsureGlWindow();
    testing::internal::CaptureStdout();
    EXPECT_EQ(AcquireTexture("missing.xyz"), 0u);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "[ERROR] Unsupported file format missing.xyz\n"
              "[ERROR] Unable to load sprite missing.xyz\n");
}

namespace {

// Quarters of a 64 x 48 picture, bottom row first as BMP stores it.
std::string QuarterPicture() {
    return Bmp24(64, 48, [](int x, int row) {
        if (row < 24) return x < 32 ? TestColour{255, 0, 0} : TestColour{0, 255, 0};
        return x < 32 ? TestColour{0, 0, 255} : TestColour{255, 255, 0};
    });
}

} // namespace

TEST(BackgroundPicture, FillsTheSurfaceBehindTheGrid) {
    ScriptRunOptions options;
    options.screenshot = true;
    options.files = {{"startmenu/bliss.bmp", QuarterPicture()}};
    ScriptRunResult run = RunScript("", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    EXPECT_TRUE(ColourNear(shot.AtGl(256, 192), 255, 0, 0));
    EXPECT_TRUE(ColourNear(shot.AtGl(768, 192), 0, 255, 0));
    EXPECT_TRUE(ColourNear(shot.AtGl(256, 576), 0, 0, 255));
    EXPECT_TRUE(ColourNear(shot.AtGl(768, 576), 255, 255, 0));

    // The grid, seen edge-on, is drawn over the picture across the middle.
    bool gridSeen = false;
    for (int y = 374; y <= 394; ++y)
        gridSeen = gridSeen || ColourNear(shot.AtGl(100, y), 102, 102, 102);
    EXPECT_TRUE(gridSeen);
    EXPECT_EQ(run.stdoutLog, kExitLine);
}

TEST(BackgroundPicture, PictureThatCannotBeLoadedLeavesNone) {
    ScriptRunOptions options;
    options.screenshot = true;
    options.files = {{"startmenu/bliss.bmp", QuarterPicture()}};
    ScriptRunResult run = RunScript("SetBackgroundImage(\"gone.xyz\")\n", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, std::string("[ERROR] Unsupported file format gone.xyz\n"
                                         "[ERROR] Unable to load sprite gone.xyz\n") +
                                 kExitLine);
    EXPECT_TRUE(ColourNear(run.screenshot.AtGl(256, 192), 0, 0, 0));
    EXPECT_TRUE(ColourNear(run.screenshot.AtGl(768, 576), 0, 0, 0));
}

// The shipped start-up picture: sky above, grass below.
TEST(BackgroundPicture, ShippedStartupPictureShowsSkyOverHills) {
    ScriptRunOptions options;
    options.screenshot = true;
    options.withRuntime = true;
    ScriptRunResult run =
        RunScript("print(ImageGetSize(ImageLoad(\"startmenu/bliss.bmp\")))\n", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, std::string("1024\t768\n") + kExitLine);
    const Rgba sky = run.screenshot.At(800, 20);
    const Rgba grass = run.screenshot.At(500, 740);
    EXPECT_TRUE(sky.b > sky.r && sky.b > sky.g)
        << int(sky.r) << "," << int(sky.g) << "," << int(sky.b);
    EXPECT_TRUE(grass.g > grass.r && grass.g > grass.b)
        << int(grass.r) << "," << int(grass.g) << "," << int(grass.b);
}
