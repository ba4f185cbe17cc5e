// Small picture files written by the image-library tests themselves.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "support/script_run.h"

struct TestColour {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Colour of the pixel in column x of the file's row'th stored row.
using PixelPainter = std::function<TestColour(int x, int row)>;

namespace test_pictures {

inline void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xff);
}

// An uncompressed 24-bit BMP; rows are padded to four bytes as the format wants.
inline std::string Bmp24(int width, int height, const PixelPainter& paint) {
    const int rowSize = (width * 3 + 3) & ~3;
    std::string out = "BM";
    PutLe(out, 54 + rowSize * height, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, width, 4);
    PutLe(out, height, 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);
    PutLe(out, rowSize * height, 4);
    for (int i = 0; i < 4; ++i)
        PutLe(out, 0, 4);
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            TestColour c = paint(x, row);
            out += static_cast<char>(c.b);
            out += static_cast<char>(c.g);
            out += static_cast<char>(c.r);
        }
        out.append(rowSize - width * 3, '\0');
    }
    return out;
}

// An uncompressed 32-bit true-colour TGA (blue, green, red, alpha per pixel).
inline std::string Tga32(int width, int height, const PixelPainter& paint) {
    std::string out(2, '\0');
    out += '\2';
    out.append(9, '\0');
    PutLe(out, width, 2);
    PutLe(out, height, 2);
    out += static_cast<char>(32);
    out += static_cast<char>(8);
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            TestColour c = paint(x, row);
            out += {static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r),
                    static_cast<char>(c.a)};
        }
    }
    return out;
}

inline std::string SolidBmp(int width, int height, TestColour colour) {
    return Bmp24(width, height, [colour](int, int) { return colour; });
}

// The last line of stdout.log after an orderly exit, from the media shutdown.
constexpr char kExitLine[] = "Avi Cleanup\n";

// A black start-up picture keeps stdout.log free of the missing-picture messages
// and the surface black behind what the test draws.
inline std::pair<std::string, std::string> BlackStartupPicture() {
    return {"startmenu/bliss.bmp", SolidBmp(4, 4, {})};
}

} // namespace test_pictures

// Screenshot pixels within a small tolerance of an expected colour.
inline ::testing::AssertionResult ColourNear(const Rgba& actual, int r, int g, int b,
                                             int tolerance = 3) {
    auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
    if (close(actual.r, r) && close(actual.g, g) && close(actual.b, b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel is (" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b)
           << "), expected (" << r << ", " << g << ", " << b << ")";
}
