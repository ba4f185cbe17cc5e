#include <gtest/gtest.h>

#include <string>

#include "image/image_library.h"
#include "library_test_pictures.h"
#include "support/script_run.h"

using test_pictures::BlackStartupPicture;
using test_pictures::Bmp24;
using test_pictures::kExitLine;
using test_pictures::SolidBmp;
using test_pictures::Tga32;

namespace {

// Two pixels in one row: (10, 20, 30) and (40, 50, 60).
std::string TwoPixelBmp() {
    return Bmp24(2, 1, [](int x, int) {
        return x == 0 ? TestColour{10, 20, 30} : TestColour{40, 50, 60};
    });
}

} // namespace

TEST(ImageLibrary, ScriptFunctionsAnswerAboutLoadedPictures) {
    ScriptRunOptions options;
    options.frames = 0;
    options.files = {
        BlackStartupPicture(), {"two.bmp", TwoPixelBmp()}, {"UPPER.BMP", TwoPixelBmp()}};
    ScriptRunResult run = RunScript(R"lua(
local a = ImageLoad("two.bmp")
local b = ImageLoad("UPPER.BMP")
print(a, b)
print(ImageGetSize(a))
print(ImageGetBitDepth(b))
local p = ImageGetPixel(a, 1, 0)
print(table.getn(p), p[1], p[2], p[3])
p = ImageGetPixel(a, 0.9, 0)
print(p[1], p[2], p[3])
print(ImageGetPixel(a, 2, 0))
print(ImageGetPixel(a, -1, 0))
print(ImageGetPixel(a, 0, 1))
print(ImageGetPixel(a, 0))
print(ImageGetSize("abc"))
print(ImageGetSize(a, 1))
print(ImageGetSize(a + 65536))
print(ImageGetBitDepth(99))
print(ImageLoad("photo.jpeg"))
print(ImageLoad("nodot"))
print(ImageLoad({}))
ImageDelete(a)
print(ImageGetSize(a))
print(ImageGetSize(b))
ImageDeleteAll()
print(ImageGetSize(b))
print(ImageLoad("two.bmp"))
print(ImageDraw(b, 0, 0))
ImageDraw(1, 2)
)lua",
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(
        run.stdoutLog,
        std::string("1\t2\n"
                    "2\t1\n"
                    "3\n"
                    "3\t40\t50\t60\n"
                    "10\t20\t30\n"
                    "\n\n\n\n"
                    "0\t0\n"
                    "0\t0\n"
                    "2\t1\n"
                    "0\n"
                    "[ERROR] Unsupported file format photo.jpeg\nUnable to load photo.jpeg\n0\n"
                    "[ERROR] Unsupported file format nodot\nUnable to load nodot\n0\n"
                    "[ERROR] ImageLoad needs a file name\n0\n"
                    "0\t0\n"
                    "2\t1\n"
                    "0\t0\n"
                    "3\n"
                    "0\n"
                    "[ERROR] Incorrect Number of arguments specified\n") +
            kExitLine);
}

// The counter is 16 bits wide; once it wraps it skips 0, which reports a
// failed load, and the ids of pictures still loaded.
TEST(ImageLibrary, IdsNeverRestartAndNeverRepeatALiveOne) {
    ScriptRunOptions options;
    options.frames = 0;
    options.files = {BlackStartupPicture(), {"one.bmp", SolidBmp(1, 1, {1, 2, 3})}};
    ScriptRunResult run = RunScript(R"lua(
local keep = ImageLoad("one.bmp")
local id
for i = 2, 65535 do
  id = ImageLoad("one.bmp")
  ImageDelete(id)
end
print(keep, id)
print(ImageLoad("one.bmp"))
print(ImageGetSize(keep))
)lua",
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, std::string("1\t65535\n2\n1\t1\n") + kExitLine);
}

TEST(ImageTable, FullTableRefusesAndFreedIdsReturnOnlyAfterTheWrap) {
    ImageTable table;
    for (int i = 1; i <= 65535; ++i)
        ASSERT_EQ(table.Add(ImageRecord{}), i);
    EXPECT_TRUE(table.Full());
    EXPECT_EQ(table.Add(ImageRecord{}), 0);
    table.Delete(500);
    table.Delete(7);
    EXPECT_EQ(table.Add(ImageRecord{}), 7);
    EXPECT_EQ(table.Add(ImageRecord{}), 500);
    EXPECT_EQ(table.Count(), 65535u);
}

TEST(ImageTable, LoadIntoAFullTableOpensNothingAndReportsIt) {
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

// An RGB picture has alpha 1, which idle-script blending makes invisible; an
// RGBA picture shows where its alpha is low.
TEST(ImageLibrary, IdleScriptDrawsPicturesAboveTheirRasterPosition) {
    // Both rows alike, so the readers' row order does not matter here.
    std::string rgba = Tga32(4, 2, [](int x, int) {
        return x < 2 ? TestColour{255, 0, 0, 0} : TestColour{255, 0, 0, 255};
    });
    ScriptRunOptions options;
    options.screenshot = true;
    options.files = {
        BlackStartupPicture(), {"rgba.tga", rgba}, {"rgb.bmp", SolidBmp(4, 2, {0, 255, 0})}};
    ScriptRunResult run = RunScript(R"lua(
rgba = ImageLoad("rgba.tga")
rgb = ImageLoad("rgb.bmp")
AddIdleString("print(ImageDraw(rgba, -5, 2), ImageDraw(rgb, 5, 2), ImageDraw(99, 0, 0))")
)lua",
                                    options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.stdoutLog, std::string("1\t1\t0\n") + kExitLine);
    const PngImage& shot = run.screenshot;
    // The raster position (-5, 2 + height 2) is pixel (256, 192).
    for (int y : {192, 193}) {
        EXPECT_TRUE(ColourNear(shot.AtGl(256, y), 255, 0, 0));
        EXPECT_TRUE(ColourNear(shot.AtGl(257, y), 255, 0, 0));
        EXPECT_TRUE(ColourNear(shot.AtGl(258, y), 0, 0, 0));
    }
    EXPECT_TRUE(ColourNear(shot.AtGl(256, 191), 0, 0, 0));
    EXPECT_TRUE(ColourNear(shot.AtGl(256, 194), 0, 0, 0));
    EXPECT_TRUE(ColourNear(shot.AtGl(255, 192), 0, 0, 0));
    EXPECT_TRUE(ColourNear(shot.AtGl(769, 193), 0, 0, 0));
}
