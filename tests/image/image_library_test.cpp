// The image table, its script functions and the texture cache.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "image/image_library.h"
#include "image/texture_cache.h"
#include "picture_bytes.h"
#include "script_files.h"
#include "support/gl_window.h"

using namespace picture_bytes;

namespace {

// Two pixels in one row: (10, 20, 30) and (40, 50, 60).
const std::string kTwoPixelBmp = Text(Bmp(2, 1, 24, {30, 20, 10, 60, 50, 40}));

TEST(ImageLibrary, ScriptFunctionsAnswerAboutLoadedPictures) {
    const std::string png = Text(Png(1, 1, PngKind::kRgb, 8, {4, 5, 6}));
    ScriptRunOptions options = QuickStart({{"two.bmp", kTwoPixelBmp},
                                           {"UPPER.BMP", kTwoPixelBmp},
                                           {"png.bmp", png},
                                           {"x.y.Png", png}});
    options.environment = {std::string("SHIPPED_STARTUP_PICTURE=") + SCRIPTDESK_RUNTIME_DIR +
                           "/startmenu/bliss.bmp"};
    const ScriptRunResult run = RunScript(ScriptFile("image_functions.lua"), options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, ScriptFile("image_functions.out"));
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
