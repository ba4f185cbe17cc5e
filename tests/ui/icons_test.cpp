// The icon set: sizes, artwork in every storage form, and where drawIcon puts it.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

#include "frame_fixture.h"
#include "ui/icons.h"

using namespace ui;

TEST(Icons, EveryIconHasItsOwnArtwork) {
    std::set<std::vector<uint8_t>> seen;
    for (int id : {int{ICON_NONE}, -1, kIconCount}) {
        EXPECT_EQ(iconSize(id), 0);
        EXPECT_TRUE(iconPixels(id).empty());
    }
    for (int id = 1; id < kIconCount; ++id) {
        const std::vector<uint8_t> pixels = iconPixels(id);
        const int size = iconSize(id);
        ASSERT_TRUE(size == 16 || size == 32) << id;
        ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size * 4)) << id;
        int opaque = 0;
        for (size_t i = 3; i < pixels.size(); i += 4)
            opaque += pixels[i] >= 128;
        EXPECT_GE(opaque, 8) << kIconNames[id];
        // The textured icons have a see-through background.
        EXPECT_TRUE(id < ICON_SMALL_ARROW_DOWN || opaque < size * size) << kIconNames[id];
        EXPECT_TRUE(seen.insert(pixels).second) << kIconNames[id] << " looks like another icon";
    }
}

class IconFrameTest : public FrameTest {
  protected:
    // Draws the icon with its lower-left corner at (x, y) and checks every
    // opaque pixel of its artwork landed in place.
    void expectDrawnInPlace(int id, int x, int y) {
        SCOPED_TRACE(kIconNames[id]);
        glClear(GL_COLOR_BUFFER_BIT);
        drawIcon(id, x, y);
        grab();
        const int size = iconSize(id);
        const std::vector<uint8_t> art = iconPixels(id);
        int mismatches = 0;
        for (int row = 0; row < size; ++row)
            for (int col = 0; col < size; ++col) {
                const uint8_t* a = &art[(static_cast<size_t>(row) * size + col) * 4];
                if (a[3] != 255) continue;
                const Pixel p = pixel(x + col, y - size + row);
                if (std::abs(p.r - a[0]) > 2 || std::abs(p.g - a[1]) > 2 ||
                    std::abs(p.b - a[2]) > 2)
                    ++mismatches;
            }
        EXPECT_EQ(mismatches, 0);
        // Nothing outside the icon's square.
        const int everything = darkPixels(0, 0, kSize, kSize, 250);
        EXPECT_EQ(darkPixels(x, y - size, x + size, y, 250), everything);
    }
};

TEST_F(IconFrameTest, EachStorageFormDrawsAtItsLowerLeftCornerAndLeavesTheGlStateAlone) {
    glColor4f(0.2f, 0.4f, 0.6f, 0.5f);
    for (auto [id, x, y] : {std::tuple{int{ICON_CLOSE}, 40, 100},
                            {ICON_SAVE, 41, 77},
                            {ICON_CAMERA, 100, 150},
                            {ICON_SMALL_MY_DOCUMENTS, 10, 30},
                            {ICON_UP_FOLDER, 200, 240}})
        expectDrawnInPlace(id, x, y);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[1], 0.4f);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    glClear(GL_COLOR_BUFFER_BIT);
    for (int id : {int{ICON_NONE}, kIconCount, -4})
        drawIcon(id, 50, 50);
    grab();
    EXPECT_EQ(darkPixels(0, 0, kSize, kSize, 255), 0);
}
