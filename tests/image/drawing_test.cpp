// What idle scripts draw over everything else, read back from the frame.
#include <gtest/gtest.h>

#include "frame_checks.h"
#include "picture_bytes.h"
#include "script_files.h"

using namespace picture_bytes;

namespace {

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

// Shapes and pictures drawn by an idle script over a black start-up picture. Alpha is a
// transparency there: 0 opaque, 1 invisible, so an RGB picture (alpha 1) is invisible and
// an RGBA one shows where its alpha is low. Non-positive sizes are ignored. What the main
// script draws outside an idle script is cleared unseen.
TEST(Drawing, IdleScriptsDrawWithTheColourTransparencyAndSizesSet) {
    Bytes rgba; // 4 x 2, blue, green, red, alpha: the left half opaque red
    for (int i = 0; i < 8; ++i)
        rgba.insert(rgba.end(), {0, 0, 255, uint8_t(i % 4 < 2 ? 0 : 255)});
    ScriptRunOptions options = QuickStart(
        {{"rgba.tga", Text(Tga({.type = 2, .width = 4, .height = 2, .pixel_bits = 32}, rgba))},
         {"rgb.bmp", Text(Bmp(1, 1, 24, {0, 255, 0}))}});
    options.screenshot = true;
    const ScriptRunResult run = RunScript(R"lua(
rgba, rgb = ImageLoad("rgba.tga"), ImageLoad("rgb.bmp")
AddIdleString([[
SetForeground(1, 1, 1) SetTransparent(0) DrawLine(-10, 0, 10, 16)
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
ImageDraw(rgba, 0, 5)
ImageDraw(rgb, 5, 4)
]])
SetForeground(1, 1, 1)
SetTransparent(0)
DrawFilledRectangle(-10, 14.5, 8, 1)
)lua",
                                          options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const PngImage& shot = run.screenshot;
    ASSERT_FALSE(shot.empty());
    // The white diagonal crosses the whole surface, within a pixel of its place.
    for (int x : {40, 300, 700, 1000}) {
        EXPECT_GE(CountMatching(shot, x, x * 768 / 1024 - 1, 0, 1, 3, IsWhite), 1) << x;
    }
    const struct {
        const char* what;
        double x, y;
        int r, g, b;
    } colours[] = {{"opaque rectangle", -8, 13, 255, 0, 0},
                   {"half-transparent rectangle", -5, 13, 128, 0, 0},
                   {"invisible rectangle", -2, 13, 0, 0, 0},
                   {"negative square, mirrored to the lower left", 1, 2, 255, 0, 0},
                   {"nothing where it would be unmirrored", 3, 2, 0, 0, 0},
                   {"inside the wire square", 5, 2, 0, 0, 0},
                   {"circle centre", -6, 9, 0, 255, 0},
                   {"circle, inside its edge", -4.7, 9, 0, 255, 0},
                   {"circle, outside its edge", -4.3, 9, 0, 0, 0},
                   {"main script's rectangle", -6, 15, 0, 0, 0},
                   {"RGB picture", 5, 5, 0, 0, 0}};
    for (const auto& [what, x, y, r, g, b] : colours) {
        EXPECT_TRUE(ColourNear(shot.AtGl(PixelX(x), PixelY(y)), r, g, b)) << what;
    }
    EXPECT_GE(CountMatching(shot, PixelX(4) - 1, PixelY(2), 1, 0, 3, IsGreen), 1)
        << "wire square's left edge";
    EXPECT_EQ(CountMatching(shot, PixelX(3), PixelY(6) - 10, 0, 1, 21, IsGreen), 5) << "line width";
    EXPECT_EQ(CountMatching(shot, PixelX(8) - 10, PixelY(3), 1, 0, 21, IsGreen), 7) << "point size";
    // Pictures go upwards from the raster position (x, y + height): the RGBA picture's
    // opaque half covers pixels (512, 336) to (513, 337).
    for (int y = 335; y <= 338; ++y) {
        EXPECT_EQ(CountMatching(shot, 510, y, 1, 0, 6, IsRed), y == 336 || y == 337 ? 2 : 0)
            << "RGBA picture, row " << y;
    }
}

} // namespace
