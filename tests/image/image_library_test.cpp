// The image table, its script functions and the texture cache.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>

#include "frame_checks.h"
#include "image/image_library.h"
#include "image/texture_cache.h"
#include "picture_bytes.h"
#include "script_files.h"
#include "support/gl_window.h"

using namespace picture_bytes;

namespace {

// Two pixels in one row: (10, 20, 30) and (40, 50, 60).
const std::string kTwoPixelBmp = Text(Bmp(2, 1, 24, {30, 20, 10, 60, 50, 40}));

// The script ends by showing quarters.bmp as the background picture, which fills the
// surface under the grid: the clear colour it sets shows nowhere.
TEST(ImageLibrary, ScriptFunctionsAnswerAboutLoadedPicturesAndShowABackground) {
    const std::string png = Text(Png(1, 1, PngKind::kRgb, 8, {4, 5, 6}));
    // Red, green below; blue, yellow above.
    const std::string quarters =
        Text(Bmp(2, 2, 24, {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 255, 255}));
    ScriptRunOptions options = QuickStart({{"two.bmp", kTwoPixelBmp},
                                           {"UPPER.BMP", kTwoPixelBmp},
                                           {"png.bmp", png},
                                           {"x.y.Png", png},
                                           {"quarters.bmp", quarters}});
    options.environment = {std::string("SHIPPED_STARTUP_PICTURE=") + SCRIPTDESK_RUNTIME_DIR +
                           "/startmenu/bliss.bmp"};
    options.screenshot = true;
    const ScriptRunResult run = RunScript(ScriptFile("image_functions.lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, ScriptFile("image_functions.out"));

    const PngImage& shot = run.screenshot;
    for (const auto& [x, y, r, g, b] : {std::array{256, 192, 255, 0, 0},
                                        {768, 192, 0, 255, 0},
                                        {256, 576, 0, 0, 255},
                                        {768, 576, 255, 255, 0}}) {
        EXPECT_TRUE(ColourNear(shot.AtGl(x, y), r, g, b)) << x << ", " << y;
    }
    // The grid, seen edge-on, is drawn over the picture across the middle.
    EXPECT_GE(CountMatching(shot, 100, 374, 0, 1, 21,
                            [](const Rgba& c) { return bool(ColourNear(c, 102, 102, 102)); }),
              1);
}

// Ids count on from 65535 to 1: 0 reports a failed load, and an id in use names its picture.
TEST(ImageTable, IdsWrapPastZeroAndTheIdsInUse) {
    ImageTable table;
    EXPECT_EQ(table.Add({}), 1);
    EXPECT_EQ(table.Add({}), 2);
    table.Delete(1);
    for (int id = 3; id <= 65535; ++id) {
        ASSERT_EQ(table.Add({}), id);
        table.Delete(uint16_t(id));
    }
    EXPECT_EQ(table.Add({}), 1);
    EXPECT_EQ(table.Add({}), 3);
    table.Clear();
    EXPECT_EQ(table.Add({}), 4);
}

// With every id in use, a load opens nothing.
TEST(ImageTable, LoadIntoAFullTableIsRefused) {
    for (int i = 0; i < 65535; ++i)
        Images().Add(ImageRecord{});
    testing::internal::CaptureStdout();
    EXPECT_EQ(ImageLoad("never-opened.bmp"), 0);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "[ERROR] Too many images loaded\nUnable to load never-opened.bmp\n");
    ImageDeleteAll();
    EXPECT_EQ(Images().Count(), 0u);
}

TEST(TextureCache, SharesAPathUntilItsLastReleaseThenReloadsUnderANewId) {
    EnsureGlWindow();
    const std::string dir = MakeWorkDir();
    const std::string path = dir + "/tile.bmp";
    WriteFile(path, kTwoPixelBmp);

    const uint32_t first = AcquireTexture(path.c_str());
    ASSERT_NE(first, 0u);
    EXPECT_EQ(AcquireTexture(path.c_str()), first);
    const GLuint texture = FindTexture(first)->texture;
    EXPECT_TRUE(glIsTexture(texture));
    ReleaseTexture(first);
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
    EXPECT_EQ(FindTexture(other), nullptr);
}

} // namespace
