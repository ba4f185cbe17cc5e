#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "avi_test_file.h"
#include "media/video_decoder.h"
#include "support/script_run.h"

namespace {

std::string WriteTestFile(const std::string& name, const std::string& bytes) {
    std::string path = MakeWorkDir() + "/" + name;
    WriteFile(path, bytes);
    return path;
}

// Makes a file with the ffmpeg tool; empty when the tool is missing.
std::string FfmpegFile(const std::string& arguments, const std::string& name) {
    if (system("command -v ffmpeg >/dev/null 2>&1") != 0) return {};
    std::string dir = MakeWorkDir();
    if (RunCommand("ffmpeg -loglevel error -y " + arguments + " " + name, dir) != 0) return {};
    return dir + "/" + name;
}

Rgb PixelAt(const std::vector<uint8_t>& pixels, int width, int x, int y) {
    const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
}

void ExpectColour(Rgb expected, Rgb actual, int tolerance = 0) {
    EXPECT_NEAR(expected.r, actual.r, tolerance);
    EXPECT_NEAR(expected.g, actual.g, tolerance);
    EXPECT_NEAR(expected.b, actual.b, tolerance);
}

} // namespace

TEST(VideoDecoder, ReadsTheHeaderAndStretchesAnyFrameInTheAskedOrder) {
    VideoDecoder decoder;
    std::string path = WriteTestFile("t.avi", MakeUncompressedAvi(64, 48, 10, 10));
    ASSERT_EQ(decoder.Open(path.c_str()), VideoOpenError::None);
    EXPECT_EQ(decoder.FrameCount(), 10u);
    EXPECT_EQ(decoder.DurationMs(), 1000u);
    EXPECT_EQ(decoder.Width(), 64);
    EXPECT_EQ(decoder.Height(), 48);

    std::vector<uint8_t> pixels(128 * 16 * 3);
    ASSERT_TRUE(decoder.DecodeFrame(9, 128, 16, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    ExpectColour(TopColour(9), PixelAt(pixels, 128, 0, 0));
    ExpectColour(BottomColour(9), PixelAt(pixels, 128, 127, 15));
    // An earlier frame rewinds. Bottom-up: the first row is the bottom of the
    // picture; blue comes first.
    ASSERT_TRUE(
        decoder.DecodeFrame(3, 128, 16, PixelOrder::Bgr, RowOrder::BottomUp, pixels.data()));
    Rgb first = PixelAt(pixels, 128, 100, 0);
    Rgb last = PixelAt(pixels, 128, 5, 15);
    ExpectColour(BottomColour(3), {first.b, first.g, first.r});
    ExpectColour(TopColour(3), {last.b, last.g, last.r});
    // Past the end there is nothing, and the pixels stay as they were.
    EXPECT_FALSE(
        decoder.DecodeFrame(10, 128, 16, PixelOrder::Bgr, RowOrder::BottomUp, pixels.data()));
    EXPECT_EQ(PixelAt(pixels, 128, 100, 0).r, first.r);
}

TEST(VideoDecoder, TruncatedFrameDataFailsOnlyTheMissingFrames) {
    std::string whole = MakeUncompressedAvi(64, 48, 10, 10);
    VideoDecoder decoder;
    ASSERT_EQ(decoder.Open(WriteTestFile("t.avi", whole.substr(0, whole.size() / 2)).c_str()),
              VideoOpenError::None);
    EXPECT_EQ(decoder.FrameCount(), 10u);
    std::vector<uint8_t> pixels(64 * 48 * 3);
    EXPECT_TRUE(decoder.DecodeFrame(2, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    EXPECT_FALSE(decoder.DecodeFrame(9, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    EXPECT_FALSE(decoder.DecodeFrame(9, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    ExpectColour(TopColour(2), PixelAt(pixels, 64, 0, 0));
    EXPECT_TRUE(decoder.DecodeFrame(0, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    ExpectColour(TopColour(0), PixelAt(pixels, 64, 0, 0));
}

TEST(VideoDecoder, DecodesCompressedFilesAndLoopsBackAfterTheEnd) {
    std::string path =
        FfmpegFile("-f lavfi -i color=c=0x3366cc:size=64x48:rate=10 -t 1 -c:v mjpeg", "m.avi");
    if (path.empty()) GTEST_SKIP() << "no ffmpeg tool";
    VideoDecoder decoder;
    ASSERT_EQ(decoder.Open(path.c_str()), VideoOpenError::None);
    EXPECT_EQ(decoder.FrameCount(), 10u);
    EXPECT_EQ(decoder.DurationMs(), 1000u);
    std::vector<uint8_t> pixels(32 * 32 * 3);
    for (uint32_t frame : {0u, 9u, 0u}) {
        ASSERT_TRUE(
            decoder.DecodeFrame(frame, 32, 32, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
        ExpectColour({0x33, 0x66, 0xcc}, PixelAt(pixels, 32, 16, 16), 8);
    }
}

TEST(VideoDecoder, RefusesAFileWithoutAVideoStream) {
    std::string path = FfmpegFile("-f lavfi -i sine=duration=0.2 -c:a pcm_s16le", "a.avi");
    if (path.empty()) GTEST_SKIP() << "no ffmpeg tool";
    VideoDecoder decoder;
    EXPECT_EQ(decoder.Open(path.c_str()), VideoOpenError::NoVideoStream);
}

TEST(VideoDecoder, SurvivesDamagedHeadersAndFrames) {
    std::string whole = MakeUncompressedAvi(16, 8, 4, 10);
    std::string path = MakeWorkDir() + "/d.avi";
    std::vector<uint8_t> pixels(8 * 8 * 3);
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 300; ++round) {
        std::string damaged = whole;
        for (int change = 0; change < 4; ++change)
            damaged[next() % damaged.size()] = static_cast<char>(next() >> 24);
        WriteFile(path, damaged.substr(0, damaged.size() - next() % 64));
        VideoDecoder decoder;
        if (decoder.Open(path.c_str()) != VideoOpenError::None) continue;
        for (uint32_t frame : {0u, 1u, 3u, 0u, 7u})
            decoder.DecodeFrame(frame, 8, 8, PixelOrder::Rgb, RowOrder::BottomUp, pixels.data());
    }
}
