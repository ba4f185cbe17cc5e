#include "frame_fixture.h"

#include <GL/gl.h>

#include <algorithm>

#include "support/gl_window.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/icons.h"

void FramePixels::grab() {
    glFinish();
    frame_ = ReadGlPixels(0, 0, kSize, kSize);
}

Pixel FramePixels::pixel(int x, int y) const {
    const uint8_t* p = &frame_[(static_cast<size_t>(kSize - 1 - y) * kSize + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

int FramePixels::darkPixels(int x0, int y0, int x1, int y1, int limit) const {
    int count = 0;
    for (int y = std::max(0, y0); y < std::min(kSize, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(kSize, x1); ++x) {
            const Pixel p = pixel(x, y);
            if (p.r < limit && p.g < limit && p.b < limit) ++count;
        }
    return count;
}

void loadDrawingResources() {
    if (!ui::fontsLoaded()) ui::loadFonts();
    ui::createIconTextures();
}

void FrameTest::SetUp() {
    EnsureGlWindow();
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kSize, kSize, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (GLenum state : {GL_BLEND, GL_SCISSOR_TEST, GL_TEXTURE_2D, GL_DEPTH_TEST})
        glDisable(state);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    loadDrawingResources();
}

void FrameTest::TearDown() {
    while (ui::clipDepth() > 0)
        ui::popClip();
    ui::resetColours();
    ui::setBevelsEnabled(true);
    ui::setShadowsEnabled(true);
}
