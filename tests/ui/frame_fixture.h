// Rendered-frame checks: pixels read back from the GL window, addressed from
// the top-left as the toolkit draws, and a fixture for the drawing layer on
// its own: a 256x256 frame with the toolkit's projection, cleared to white,
// with the fonts and icon textures loaded.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/png_image.h"

using Pixel = Rgba;

class FramePixels {
  public:
    static constexpr int kSize = 256;
    // Reads the bottom-left kSize x kSize of the frame drawn so far.
    void grab();
    Pixel pixel(int x, int y) const;
    // Pixels of the box [x0, x1) x [y0, y1) whose red, green and blue are all below `limit`.
    int darkPixels(int x0, int y0, int x1, int y1, int limit = 128) const;

  private:
    std::vector<uint8_t> frame_;
};

// Loads the fonts and the icon textures once.
void loadDrawingResources();

class FrameTest : public ::testing::Test, protected FramePixels {
  protected:
    void SetUp() override;
    void TearDown() override;
};
