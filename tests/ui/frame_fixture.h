// Rendered-frame checks for the drawing layer: a 256x256 GL window with the
// toolkit's pixel projection (origin top-left, y down), cleared to white,
// with the fonts and icon textures loaded.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

struct Pixel {
    int r = 0, g = 0, b = 0;
};

class FrameTest : public ::testing::Test {
  protected:
    static constexpr int kSize = 256;
    void SetUp() override;
    void TearDown() override;
    // Reads the frame drawn so far; pixel() and darkPixels() look at it.
    void grab();
    // (x, y) from the top-left, as the toolkit draws.
    Pixel pixel(int x, int y) const;
    // Pixels of the box [x0, x1) x [y0, y1) whose red, green and blue are all below `limit`.
    int darkPixels(int x0, int y0, int x1, int y1, int limit = 128) const;

  private:
    std::vector<uint8_t> frame_;
};

// Channel values 0..255 of a scheme-style colour.
int toByte(float value);
