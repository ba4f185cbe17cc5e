#include "avi_test_file.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// Little-endian fields of 32 bits, or of 16 bits where the width says so.
void Put(std::string& out, std::initializer_list<uint32_t> values, int bits = 32) {
    for (uint32_t value : values)
        for (int shift = 0; shift < bits; shift += 8)
            out.push_back(static_cast<char>(value >> shift));
}

std::string Chunk(const char* id, const std::string& body) {
    std::string out(id, 4);
    Put(out, {static_cast<uint32_t>(body.size())});
    out += body;
    if (body.size() % 2) out.push_back('\0');
    return out;
}

std::string List(const char* type, const std::string& body) {
    return Chunk("LIST", std::string(type, 4) + body);
}

std::string FrameBytes(int width, int height, int frame) {
    std::string pixels;
    // Rows bottom-up, blue-green-red; widths used here keep rows 4-byte aligned.
    for (int row = height - 1; row >= 0; --row) {
        Rgb colour = row < height / 2 ? TopColour(frame) : BottomColour(frame);
        for (int x = 0; x < width; ++x) {
            pixels.push_back(static_cast<char>(colour.b));
            pixels.push_back(static_cast<char>(colour.g));
            pixels.push_back(static_cast<char>(colour.r));
        }
    }
    return pixels;
}

} // namespace

Rgb TopColour(int frame) {
    return {static_cast<uint8_t>(20 + 23 * frame), static_cast<uint8_t>(200 - 17 * frame),
            static_cast<uint8_t>(60 + 11 * frame)};
}

Rgb BottomColour(int frame) {
    return {static_cast<uint8_t>(230 - 19 * frame), static_cast<uint8_t>(40 + 13 * frame),
            static_cast<uint8_t>(180 - 7 * frame)};
}

void ExpectColour(Rgb expected, const uint8_t* rgb, int tolerance) {
    EXPECT_NEAR(rgb[0], expected.r, tolerance);
    EXPECT_NEAR(rgb[1], expected.g, tolerance);
    EXPECT_NEAR(rgb[2], expected.b, tolerance);
}

std::string MakeUncompressedAvi(int width, int height, int frameCount, int framesPerSecond) {
    uint32_t frameSize = static_cast<uint32_t>(width * height * 3);

    uint32_t w = static_cast<uint32_t>(width), h = static_cast<uint32_t>(height);
    uint32_t frames = static_cast<uint32_t>(frameCount), rate = static_cast<uint32_t>(framesPerSecond);
    std::string mainHeader; // with an index (flag 0x10), one stream
    Put(mainHeader, {1000000 / rate, frameSize * rate, 0, 0x10, frames, 0, 1, frameSize, w, h, 0, 0, 0, 0});
    std::string streamHeader = "vids";
    // Scale 1 and rate give frames per second; the length is in frames.
    Put(streamHeader, {0, 0, 0, 0, 1, rate, 0, frames, frameSize, 0xFFFFFFFF, 0});
    Put(streamHeader, {0, 0, w, h}, 16);
    std::string format; // positive height: bottom-up rows
    Put(format, {40, w, h});
    Put(format, {1, 24}, 16);
    Put(format, {0, frameSize, 0, 0, 0, 0});

    std::string headers = Chunk("avih", mainHeader) +
                          List("strl", Chunk("strh", streamHeader) + Chunk("strf", format));

    std::string movie;
    std::string index;
    for (int frame = 0; frame < frameCount; ++frame) {
        // A key frame, its offset counted from the "movi" tag.
        index += "00db";
        Put(index, {0x10, static_cast<uint32_t>(4 + movie.size()), frameSize});
        movie += Chunk("00db", FrameBytes(width, height, frame));
    }

    std::string body = "AVI " + List("hdrl", headers) + List("movi", movie) + Chunk("idx1", index);
    return Chunk("RIFF", body);
}
