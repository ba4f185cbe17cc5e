// The image and drawing libraries through scripts run by the real runner, the
// texture cache and the image table, with pixels read back from the frames.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cstdlib>
#include <string>

#include "image/image_library.h"
#include "image/texture_cache.h"
#include "picture_bytes.h"
#include "support/gl_window.h"
#include "support/script_run.h"

using namespace picture_bytes;

namespace {

// The last line of stdout.log after an orderly exit, from the media shutdown.
constexpr char kExitLine[] = "Avi Cleanup\n";

std::string Text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// Two pixels in one row: (10, 20, 30) and (40, 50, 60).
const std::string kTwoPixelBmp = Text(Bmp(2, 1, 24, {30, 20, 10, 60, 50, 40}));
// Stretched over the surface: red, green below; blue, yellow above.
const std::string kQuarters = Text(Bmp(2, 2, 24, {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 255, 255}));

testing::AssertionResult ColourNear(const Rgba& c, int r, int g, int b) {
    if (std::abs(c.r - r) <= 3 && std::abs(c.g - g) <= 3 && std::abs(c.b - b) <= 3) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "pixel is " << int(c.r) << ", " << int(c.g) << ", " << int(c.b);
}
bool IsBlack(const Rgba& c) {
    return ColourNear(c, 0, 0, 0);
}
bool IsWhite(const Rgba& c) {
    return c.r > 200 && c.g > 200 && c.b > 200;
}
bool IsGreen(const Rgba& c) {
    return c.g > 200 && c.r < 50 && c.b < 50;
}
bool IsRed(const Rgba& c) {
    return ColourNear(c, 255, 0, 0);
}

// Idle scripts draw with x from -10 to 10 and y from 0 to 16 over the 1024 x 768 surface.
int PixelX(double x) {
    return static_cast<int>((x + 10) / 20 * 1024);
}
int PixelY(double y) {
    return static_cast<int>(y / 16 * 768);
}
Rgba AtWorld(const PngImage& shot, double x, double y) {
    return shot.AtGl(PixelX(x), PixelY(y));
}

int CountMatching(const PngImage& shot, int x0, int y0, int dx, int dy, int steps,
                  bool (*match)(const Rgba&)) {
    int count = 0;
    for (int i = 0; i < steps; ++i)
        count += match(shot.AtGl(x0 + i * dx, y0 + i * dy)) ? 1 : 0;
    return count;
}

} // namespace

// The counter is 16 bits wide; once it wraps it skips 0, which reports a failed load,
// and the ids of pictures still loaded. The background picture fills the surface; the
// background colour shows only where it does not cover.
TEST(ImageLibrary, ScriptFunctionsAnswerAboutLoadedPicturesAndSetTheBackground) {
    ScriptRunOptions options;
    options.screenshot = true;
    const Bytes png = Png(1, 1, PngKind::kRgb, 8, {4, 5, 6});
    options.files = {{"two.bmp", kTwoPixelBmp},
                     {"UPPER.BMP", kTwoPixelBmp},
                     {"png.bmp", Text(png)},
                     {"x.y.Png", Text(png)},
                     {"quarters.bmp", kQuarters}};
    const ScriptRunResult run = RunScript(R"lua(
local a = ImageLoad("two.bmp")
local b = ImageLoad("UPPER.BMP")
print(a, b, ImageGetBitDepth(b))
print(ImageGetSize(a))
local p, q = ImageGetPixel(a, 1, 0), ImageGetPixel(a, 0.9, 0)
print(table.getn(p), p[1], p[2], p[3], q[1], q[2], q[3])
print(ImageGetPixel(a, 2, 0), ImageGetPixel(a, -1, 0), ImageGetPixel(a, 0, 1), ImageGetPixel(a, 0))
print(ImageGetSize("abc"))
print(ImageGetSize(a, 1))
print(ImageGetSize(a + 65536))
print(ImageLoad("photo.jpeg"))
print(ImageLoad("nodot"))
print(ImageLoad({}))
print(ImageLoad("png.bmp"))
print(ImageLoad("missing.png"))
print(ImageGetBitDepth(99), ImageGetBitDepth(ImageLoad("x.y.Png")))
ImageDelete(a)
print(ImageGetSize(a))
print(ImageGetSize(b))
for i = 4, 65535 do ImageDelete(ImageLoad("two.bmp")) end
print(ImageLoad("two.bmp"), ImageLoad("two.bmp"))
ImageDeleteAll()
print(ImageGetSize(b))
print(ImageLoad("two.bmp"), ImageDraw(b, 0, 0))
ImageDraw(1, 2)
local shipped = ImageLoad("startmenu/bliss.bmp")
print(ImageGetSize(shipped))
local sky, grass = ImageGetPixel(shipped, 800, 747), ImageGetPixel(shipped, 500, 27)
print(sky[3] > sky[1] and sky[3] > sky[2], grass[2] > grass[1] and grass[2] > grass[3])
SetBackgroundImage("quarters.bmp")
SetBackground(0, 0, 1)
)lua",
                                          options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(
        run.stdoutLog,
        std::string("1\t2\t3\n"
                    "2\t1\n"
                    "3\t40\t50\t60\t10\t20\t30\n"
                    "nil\tnil\tnil\n"
                    "0\t0\n"
                    "0\t0\n"
                    "2\t1\n"
                    "[ERROR] Unsupported file format photo.jpeg\nUnable to load photo.jpeg\n0\n"
                    "[ERROR] Unsupported file format nodot\nUnable to load nodot\n0\n"
                    "[ERROR] ImageLoad needs a file name\n0\n"
                    "[ERROR] Unable to load png.bmp\nUnable to load png.bmp\n0\n"
                    "[ERROR] File could not be opened for reading {$s}\n"
                    "[ERROR] Unable to load missing.png\nUnable to load missing.png\n0\n"
                    "0\t3\n"
                    "0\t0\n"
                    "2\t1\n"
                    "1\t4\n"
                    "0\t0\n"
                    "5\t0\n"
                    "[ERROR] Incorrect Number of arguments specified\n"
                    "1024\t768\n"
                    "true\ttrue\n") +
            kExitLine);
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

// Entries run in the order they were added, every frame, over everything else. Each
// entry's flag is read when the pass reaches it; entries added during a pass wait for
// the next frame. Alpha is a transparency inside idle scripts: 0 opaque, 1 invisible, so
// an RGB picture is invisible there and an RGBA picture shows where its alpha is low.
// A background picture that cannot be loaded takes the start-up picture away, leaving the
// background colour, black here, behind the drawing.
TEST(IdleScripts, DrawOverTheFrameInOrderAndObeyTheirFlags) {
    Bytes rgba; // 4 x 2, blue, green, red, alpha: the left half opaque red
    for (int i = 0; i < 8; ++i)
        rgba.insert(rgba.end(), {0, 0, 255, uint8_t(i % 4 < 2 ? 0 : 255)});
    ScriptRunOptions options;
    options.frames = 4;
    options.screenshot = true;
    options.files = {{"startmenu/bliss.bmp", kQuarters},
                     {"count.lua", "print('file ' .. frame)\n"},
                     {"two.bmp", kTwoPixelBmp},
                     {"rgba.tga", Text(Tga(2, 4, 2, 32, rgba))},
                     {"rgb.bmp", Text(Bmp(1, 1, 24, {0, 255, 0}))}};
    const ScriptRunResult run = RunScript(R"lua(
function _ALERT(message) print('alert: ' .. message) end
SetBackgroundImage("gone.xyz")
SetBackground(0, 0, 0)
DrawLine(1, 2)
print(AddIdleString(5))
print(AddIdleScript({}))
print(AddIdleScript())
frame = 0
rgba = ImageLoad("rgba.tga")
rgb = ImageLoad("rgb.bmp")
print(AddIdleString("SetForeground(1, 1, 1) SetTransparent(0) DrawLine(-10, 0, 10, 16)"))
print(AddIdleScript("count.lua"))
box = AddIdleString("print('box ' .. frame) SetForeground(0, 0, 1) DrawFilledSquare(-9.5, 9.5, 1)")
AddIdleString([[
frame = frame + 1
print('control ' .. frame)
if frame == 1 then
  DisableIdleScript(box)
  late = AddIdleString("print('late ' .. frame)")
elseif frame == 2 then
  EnableIdleScript(box)
  DisableIdleScript(99)
elseif frame == 3 then
  DisableIdleScript(late)
  DisableIdleScript(box)
end
]])
AddIdleString("error('idle failure')")
AddIdleScript("missing_idle.lua")
AddIdleString([[
SetForeground(1, 0, 0)
SetTransparent(0)   DrawFilledRectangle(-9, 12, 2, 2)
SetTransparent(0.5) DrawFilledRectangle(-6, 12, 2, 2)
SetTransparent(1)   DrawFilledRectangle(-3, 12, 2, 2)
SetTransparent(0)
DrawFilledSquare(2, 3, -2)
SetForeground(0, 1, 0)
DrawWireSquare(4, 1, 2)
DrawFilledCircle(-6, 9, 1.5)
SetLineWidth(5) SetLineWidth(-3) SetLineWidth(0)
DrawLine(1, 6, 9, 6)
SetPointSize(7) SetPointSize(0)
DrawPoint(8, 3)
]])
AddIdleString([[
local drawn = {ImageDraw(rgba, 0, 5), ImageDraw(rgb, 5, 4), ImageDraw(99, 0, 0)}
if frame == 1 then
  local two = ImageLoad("two.bmp")
  local p = ImageGetPixel(two, 1, 0)
  print(two, ImageGetSize(two))
  print(p[1], p[2], p[3], drawn[1], drawn[2], drawn[3])
end
]])
SetForeground(1, 1, 1)
SetTransparent(0)
DrawFilledRectangle(-10, 14.5, 8, 1)
)lua",
                                          options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    // Failing entries are reported every frame and the others keep running.
    const std::string failures = "alert: [string \"error('idle failure')\"]:1: idle failure\n"
                                 "alert: cannot open missing_idle.lua: No such file or directory\n";
    EXPECT_EQ(run.stdoutLog, "[ERROR] Unsupported file format gone.xyz\n"
                             "[ERROR] Unable to load sprite gone.xyz\n"
                             "[ERROR] Incorrect Number of arguments specified\n"
                             "[ERROR] AddIdleString needs a string argument\n0\n"
                             "[ERROR] AddIdleScript needs a string argument\n0\n"
                             "[ERROR] Incorrect Number of arguments specified\n\n"
                             "1\n2\n"
                             "file 0\nbox 0\ncontrol 1\n" +
                                 failures +
                                 "3\t2\t1\n40\t50\t60\t1\t1\t0\n"
                                 "file 1\ncontrol 2\n" +
                                 failures +
                                 "late 2\n"
                                 "file 2\nbox 2\ncontrol 3\n" +
                                 failures + "file 3\ncontrol 4\n" + failures + kExitLine);
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    // The white diagonal crosses the whole surface, within a pixel of its place.
    for (int x : {40, 300, 700, 1000}) {
        EXPECT_GE(CountMatching(shot, x, x * 768 / 1024 - 1, 0, 1, 3, IsWhite), 1) << x;
    }
    // The box, disabled in the frame before; the rectangles at transparency 0, 0.5 and 1; a
    // square of negative size, mirrored to the lower left of its corner; the inside of the
    // wire square; the circle inside and just outside its edge; what the main script drew
    // outside any idle script, cleared before it is seen.
    const struct {
        double x, y;
        int r, g, b;
    } colours[] = {{-9, 10, 0, 0, 0},  {-8, 13, 255, 0, 0}, {-5, 13, 128, 0, 0},
                   {-2, 13, 0, 0, 0},  {1, 2, 255, 0, 0},   {3, 2, 0, 0, 0},
                   {5, 2, 0, 0, 0},    {-6, 9, 0, 255, 0},  {-4.7, 9, 0, 255, 0},
                   {-4.3, 9, 0, 0, 0}, {-6, 15, 0, 0, 0}};
    for (const auto& [x, y, r, g, b] : colours) {
        EXPECT_TRUE(ColourNear(AtWorld(shot, x, y), r, g, b)) << x << ", " << y;
    }
    // The wire square's left edge is lit.
    EXPECT_GE(CountMatching(shot, PixelX(4) - 1, PixelY(2), 1, 0, 3, IsGreen), 1);
    // Non-positive sizes were ignored: the line is 5 pixels wide and the point 7 across.
    EXPECT_EQ(CountMatching(shot, PixelX(3), PixelY(6) - 10, 0, 1, 21, IsGreen), 5);
    EXPECT_EQ(CountMatching(shot, PixelX(8) - 10, PixelY(3), 1, 0, 21, IsGreen), 7);
    // Pictures are drawn upwards from the raster position (x, y + height): the RGBA
    // picture's opaque left half covers pixels (512, 336) to (513, 337); the RGB one, at
    // (768, 240), nothing.
    for (int y = 335; y <= 338; ++y) {
        EXPECT_EQ(CountMatching(shot, 510, y, 1, 0, 6, IsRed), y == 336 || y == 337 ? 2 : 0) << y;
    }
    EXPECT_TRUE(IsRed(shot.AtGl(512, 336)) && IsRed(shot.AtGl(513, 337)));
    EXPECT_TRUE(IsBlack(shot.AtGl(768, 240)));
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
