// AVI videos in this process: the decoder on its own, and the Avi library
// with its textures in a real GL context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "avi_test_file.h"
#include "media/video.h"
#include "media/video_decoder.h"
#include "media/video_lua.h"
#include "script/script_host.h"
#include "script_state.h"
#include "support/gl_window.h"
#include "support/script_run.h"

namespace {

// Makes a file in dir with the ffmpeg tool; empty when the tool is missing.
std::string FfmpegFile(const std::string& dir, const std::string& arguments,
                       const std::string& name) {
    if (RunCommand("ffmpeg -loglevel error -y " + arguments + " " + name, dir) != 0) return {};
    return dir + "/" + name;
}

// The video's texture read back, three bytes per pixel, row t = 0 first.
std::vector<uint8_t> TexturePixels(uint32_t id, int* width, int* height) {
    glBindTexture(GL_TEXTURE_2D, 0);
    BindVideoTexture(id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, height);
    std::vector<uint8_t> pixels(static_cast<size_t>(*width) * *height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Checks that the texture holds the test pattern's frame, upright for t.
void ExpectTextureShows(uint32_t id, int frame, int tolerance = 1) {
    SCOPED_TRACE("frame " + std::to_string(frame));
    int width = 0, height = 0;
    std::vector<uint8_t> pixels = TexturePixels(id, &width, &height);
    ASSERT_GT(width * height, 0);
    ExpectColour(BottomColour(frame), &pixels[static_cast<size_t>(width / 2) * 3], tolerance);
    ExpectColour(TopColour(frame), &pixels[(static_cast<size_t>(height - 1) * width + width / 2) * 3],
                 tolerance);
}

// A fresh interpreter with the Avi library, in a GL context, and a test clip
// of 10 frames over one second.
class AviLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureGlWindow();
        state_ = luaL_newstate();
        OpenStandardLibraries(state_);
        SetScriptState(state_);
        RegisterVideoLibrary();
        dir_ = MakeWorkDir();
        WriteFile(dir_ + "/clip.avi", MakeUncompressedAvi(64, 48, 10, 10));
        Run("dir = '" + dir_ + "/'");
    }
    void TearDown() override {
        Run("for id = 1, 8 do Avi.Close(id) end");
        lua_close(state_);
        SetBgrUpload(true);
    }

    std::string Run(const std::string& text) { return RunCapturing(state_, text); }
    std::string Eval(const std::string& expression) { return Evaluate(state_, expression); }
    uint32_t Open(const std::string& arguments) {
        return static_cast<uint32_t>(std::stoul(Eval("Avi.Open(" + arguments + ")")));
    }

    lua_State* state_ = nullptr;
    std::string dir_;
};

} // namespace

TEST(VideoExtensions, MatchWholeWordsOnly) {
    EXPECT_TRUE(ExtensionListHas("GL_ARB_a GL_EXT_bgra GL_EXT_c", "GL_EXT_bgra") &&
                ExtensionListHas("GL_EXT_bgra", "GL_EXT_bgra"));
    for (const char* list :
         {"GL_EXT_bgra_x GL_XGL_EXT_bgra", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(ExtensionListHas(list, "GL_EXT_bgra")) << (list ? list : "null");
}

TEST_F(AviLibrary, IdsAreTheLowestFreeAndTexturesPowersOfTwo) {
    int width = 0, height = 0;
    EXPECT_EQ(Open("dir .. 'clip.avi', 100, 64"), 1u);
    TexturePixels(1, &width, &height);
    EXPECT_EQ(width * 1000 + height, 128064);
    EXPECT_EQ(Open("dir .. 'clip.avi', 2, 8192.5"), 2u);
    TexturePixels(2, &width, &height);
    EXPECT_EQ(width * 1000 + height, 2128);
    ExpectTextureShows(2, 0);
    EXPECT_EQ(Open("dir .. 'clip.avi', 64, 64"), 3u);
    EXPECT_EQ(Run("Avi.Close(1)"), "AviClose\nCAvi::Close\n\tCAvi::Close2\n\tCAvi::~CAvi\n\tAviCloseEnd\n");
    EXPECT_EQ(Run("Avi.Close(1)"), "AviClose\n\tAviCloseEnd2\n");
    EXPECT_EQ(Open("dir .. 'clip.avi', 64, 64"), 1u);
    EXPECT_EQ(Open("dir .. 'clip.avi', 64, 64"), 4u);

    // Unknown ids and wrong counts.
    EXPECT_EQ(Run("print(Avi.Width(9), Avi.Height(9), Avi.IsPlaying(9)) Avi.Play(9) Avi.Pause(9) "
                  "Avi.Stop(9) Avi.Draw(0, 0, 1, 1, 9) print(pcall(Avi.Open, 'clip.avi', 64, 64, true, 1)) "
                  "print(Avi.IsPlaying())"),
              "0\t0\tfalse\nfalse\tERROR: Avi.Open() - Incorrect number of arguments\n"
              "[ERROR] Incorrect Number of arguments specified\n\n");
}

TEST_F(AviLibrary, PlaysOneFramePerUpdateStopsAfterTheLastRestartsFromZeroAndLoops) {
    std::vector<std::pair<std::string, int>> files = {{"clip.avi", 1}}; // and colour tolerance
    // The same pictures compressed by the ffmpeg tool, when it is there.
    if (!FfmpegFile(dir_, "-i clip.avi -c:v mjpeg -q:v 2", "mjpeg.avi").empty())
        files.push_back({"mjpeg.avi", 10});
    for (const auto& [file, tolerance] : files) {
        for (bool bgr : {false, true}) {
            SCOPED_TRACE(file + (bgr ? " BGR" : " RGB"));
            SetBgrUpload(bgr);
            uint32_t id = Open("dir .. '" + file + "', 32, 64");
            std::string idText = std::to_string(id);
            ExpectTextureShows(id, 0, tolerance);
            AdvanceVideos(0.05f); // half a frame: nothing due yet
            EXPECT_EQ(FindVideo(id)->currentFrame, 0u);
            // Frame 0 is decoded again by the first due update.
            for (int update = 0; update < 10; ++update) {
                EXPECT_EQ(Eval("Avi.IsPlaying(" + idText + ")"), "true");
                AdvanceVideos(0.15f);
                ExpectTextureShows(id, update, tolerance);
            }
            EXPECT_EQ(Eval("Avi.IsPlaying(" + idText + ")"), "false");
            AdvanceVideos(0.15f);
            ExpectTextureShows(id, 9, tolerance);
            Run("Avi.Stop(" + idText + ") Avi.Play(" + idText + ")");
            AdvanceVideos(0.15f);
            ExpectTextureShows(id, 0, tolerance);
            Run("Avi.Close(" + idText + ")");
        }
    }

    // 2000 frames a second round to 0 ms per frame; huge frame times advance one frame.
    WriteFile(dir_ + "/fast.avi", MakeUncompressedAvi(16, 16, 10, 2000));
    uint32_t fast = Open("dir .. 'fast.avi', 16, 16");
    ASSERT_NE(fast, 0u);
    EXPECT_EQ(FindVideo(fast)->frameDuration, 0.0f);
    uint32_t slow = Open("dir .. 'clip.avi', 16, 16, true");
    for (int update = 0; update < 9; ++update) AdvanceVideos(1.0e7f);
    EXPECT_EQ(FindVideo(slow)->currentFrame, 9u);
    EXPECT_LE(FindVideo(slow)->accumulator, FindVideo(slow)->frameDuration);
    EXPECT_TRUE(FindVideo(fast)->playing);
    AdvanceVideos(0.2f);
    EXPECT_FALSE(FindVideo(fast)->playing);
    EXPECT_EQ(FindVideo(slow)->currentFrame, 0u); // the looping one starts again
    EXPECT_TRUE(FindVideo(slow)->playing);
}

TEST_F(AviLibrary, FilesThatCannotPlayPrintWhyAndGiveZero) {
    std::string whole = MakeUncompressedAvi(64, 48, 10, 10);
    std::string unknownCodec = whole;
    unknownCodec.replace(unknownCodec.find("strf") + 8 + 16, 4, "ZQZQ");
    // A 1441808 × 48 frame claimed by a small file: refused before anything is allocated for it.
    std::string hugeFrame = whole;
    hugeFrame.replace(hugeFrame.find("strf") + 8 + 4, 4, std::string("\x10\x00\x16\x00", 4));
    const std::string corrupt = "File Corrupt or Not In Existance! ";
    const std::string noFrame = "Couldn't retrieve first AVI frame\n";
    std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        // name, bytes, message
        {"nothing.avi", "", corrupt + dir_ + "/nothing.avi\n"},
        {"garbage.avi", std::string(3000, '\x17'), corrupt + dir_ + "/garbage.avi\n"},
        {"cut.avi", whole.substr(0, 120), corrupt + dir_ + "/cut.avi\n"},
        {"codec.avi", unknownCodec, "Error: Avi type unsupported " + dir_ + "/codec.avi\n"},
        {"huge.avi", hugeFrame, "File out of memory " + dir_ + "/huge.avi\n"},
        {"empty.avi", MakeUncompressedAvi(64, 48, 0, 10), noFrame},
    };
    for (const auto& [name, bytes, message] : cases)
        WriteFile(dir_ + "/" + name, bytes);
    cases.push_back({"absent.avi", "", corrupt + dir_ + "/absent.avi\n"});
    if (!FfmpegFile(dir_, "-f lavfi -i sine=duration=0.2 -c:a pcm_s16le", "sound.avi").empty())
        cases.push_back({"sound.avi", "", noFrame}); // no video stream
    for (const auto& [name, bytes, message] : cases)
        EXPECT_EQ(Run("print(Avi.Open(dir .. '" + name + "', 64, 64))"),
                  message + "\tCAvi::~CAvi\n0\n");
    EXPECT_EQ(Run("print(Avi.Open(nil, 64, 64))"), corrupt + "\n\tCAvi::~CAvi\n0\n");
    EXPECT_EQ(Open("dir .. 'clip.avi', 64, 64"), 1u);
}

TEST_F(AviLibrary, CleanupAtExitReleasesOpenVideosAndPrintsOnlyItsLine) {
    uint32_t first = Open("dir .. 'clip.avi', 64, 64");
    uint32_t second = Open("dir .. 'clip.avi', 32, 32, true");
    const unsigned textures[] = {FindVideo(first)->texture, FindVideo(second)->texture};
    testing::internal::CaptureStdout();
    VideoCleanup();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Avi Cleanup\n");
    EXPECT_EQ(FindVideo(first), nullptr);
    EXPECT_EQ(FindVideo(second), nullptr);
    for (unsigned texture : textures)
        EXPECT_FALSE(glIsTexture(texture)) << texture;
}

TEST(VideoDecoder, TruncatedFramesFailAloneAndLeaveThePixels) {
    std::string whole = MakeUncompressedAvi(64, 48, 10, 10);
    std::string path = MakeWorkDir() + "/t.avi";
    WriteFile(path, whole.substr(0, whole.size() / 2));
    VideoDecoder decoder;
    ASSERT_EQ(decoder.Open(path.c_str()), VideoOpenError::None);
    EXPECT_EQ(decoder.FrameCount(), 10u); // as the header says
    std::vector<uint8_t> pixels(64 * 48 * 3);
    EXPECT_TRUE(decoder.DecodeFrame(2, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    EXPECT_FALSE(decoder.DecodeFrame(9, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    EXPECT_FALSE(decoder.DecodeFrame(9, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    ExpectColour(TopColour(2), &pixels[0]);
    EXPECT_TRUE(decoder.DecodeFrame(0, 64, 48, PixelOrder::Rgb, RowOrder::TopDown, pixels.data()));
    ExpectColour(TopColour(0), &pixels[0]);
}
