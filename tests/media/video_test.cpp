#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "avi_test_file.h"
#include "media/video.h"
#include "script/script_host.h"
#include "support/gl_window.h"
#include "support/script_run.h"

namespace {

// A fresh interpreter with the Avi library, in a GL context.
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
        RunString(state_, ("dir = '" + dir_ + "/'").c_str());
    }
    void TearDown() override {
        Run("for id = 1, 8 do Avi.Close(id) end");
        lua_close(state_);
        SetBgrUpload(true);
    }

    // Runs script text and returns what it printed.
    std::string Run(const std::string& text) {
        testing::internal::CaptureStdout();
        RunString(state_, text.c_str());
        return testing::internal::GetCapturedStdout();
    }
    double Number(const std::string& expression) {
        RunString(state_, ("result = " + expression).c_str());
        lua_getglobal(state_, "result");
        double value = lua_tonumber(state_, -1);
        lua_pop(state_, 1);
        return value;
    }
    bool Boolean(const std::string& expression) {
        RunString(state_, ("result = " + expression).c_str());
        lua_getglobal(state_, "result");
        bool value = lua_toboolean(state_, -1);
        lua_pop(state_, 1);
        return value;
    }

    lua_State* state_ = nullptr;
    std::string dir_;
};

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
void ExpectTextureShows(uint32_t id, int frame) {
    SCOPED_TRACE("frame " + std::to_string(frame));
    int width = 0, height = 0;
    std::vector<uint8_t> pixels = TexturePixels(id, &width, &height);
    ASSERT_GT(width * height, 0);
    auto check = [&](int row, Rgb expected) {
        const uint8_t* p = &pixels[(static_cast<size_t>(row) * width + width / 2) * 3];
        EXPECT_NEAR(p[0], expected.r, 1);
        EXPECT_NEAR(p[1], expected.g, 1);
        EXPECT_NEAR(p[2], expected.b, 1);
    };
    check(0, BottomColour(frame));
    check(height - 1, TopColour(frame));
}

} // namespace

TEST(VideoExtensions, MatchWholeWordsOnly) {
    EXPECT_TRUE(ExtensionListHas("GL_ARB_a GL_EXT_bgra GL_EXT_c", "GL_EXT_bgra"));
    EXPECT_TRUE(ExtensionListHas("GL_EXT_bgra", "GL_EXT_bgra"));
    EXPECT_FALSE(ExtensionListHas("GL_EXT_bgra_x GL_XGL_EXT_bgra", "GL_EXT_bgra"));
    EXPECT_FALSE(ExtensionListHas("", "GL_EXT_bgra"));
    EXPECT_FALSE(ExtensionListHas(nullptr, "GL_EXT_bgra"));
}

TEST_F(AviLibrary, IdsAreTheLowestFreeAndCloseTracesItsSteps) {
    EXPECT_EQ(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"), 1);
    EXPECT_EQ(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"), 2);
    EXPECT_EQ(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"), 3);
    EXPECT_EQ(Run("Avi.Close(1)"),
              "AviClose\nCAvi::Close\n\tCAvi::Close2\n\tCAvi::~CAvi\n\tAviCloseEnd\n");
    EXPECT_EQ(Run("Avi.Close(1)"), "AviClose\n\tAviCloseEnd2\n");
    EXPECT_EQ(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"), 1);
    EXPECT_EQ(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"), 4);
    EXPECT_EQ(Number("Avi.Width(2)"), 64);
    EXPECT_EQ(Number("Avi.Height(2)"), 48);
    EXPECT_EQ(Number("Avi.Width(9)"), 0);
    EXPECT_FALSE(Boolean("Avi.IsPlaying(9)"));
    EXPECT_EQ(Run("Avi.Play(9) Avi.Pause(9) Avi.Stop(9) Avi.Draw(0, 0, 1, 1, 9)"), "");
}

TEST_F(AviLibrary, WrongArgumentCounts) {
    EXPECT_EQ(Run("ok, message = pcall(Avi.Open, dir .. 'clip.avi', 64) print(ok, message)"),
              "false\tERROR: Avi.Open() - Incorrect number of arguments\n");
    EXPECT_EQ(Run("print(pcall(Avi.Open, dir .. 'clip.avi', 64, 64, true, 1))"),
              "false\tERROR: Avi.Open() - Incorrect number of arguments\n");
    EXPECT_EQ(Run("print(Avi.IsPlaying())"), "[ERROR] Incorrect Number of arguments specified\n\n");
    EXPECT_EQ(Run("Avi.Play(1, 2)"), "[ERROR] Incorrect Number of arguments specified\n");
}

TEST_F(AviLibrary, TextureSizesArePowersOfTwoElse128) {
    int width = 0, height = 0;
    uint32_t id = static_cast<uint32_t>(Number("Avi.Open(dir .. 'clip.avi', 100, 64)"));
    TexturePixels(id, &width, &height);
    EXPECT_EQ(width, 128);
    EXPECT_EQ(height, 64);
    id = static_cast<uint32_t>(Number("Avi.Open(dir .. 'clip.avi', 2, 8192.5)"));
    TexturePixels(id, &width, &height);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 128);
    ExpectTextureShows(id, 0);
}

TEST_F(AviLibrary, PlaysOneFramePerUpdateAndStopsAfterTheLast) {
    for (bool bgr : {true, false}) {
        SCOPED_TRACE(bgr ? "BGR upload" : "RGB upload");
        SetBgrUpload(bgr);
        uint32_t id = static_cast<uint32_t>(Number("Avi.Open(dir .. 'clip.avi', 32, 64)"));
        ExpectTextureShows(id, 0);
        // Frame 0 is decoded again by the first due update.
        for (int update = 0; update < 10; ++update) {
            EXPECT_TRUE(Boolean("Avi.IsPlaying(" + std::to_string(id) + ")"));
            AdvanceVideos(0.15f);
            ExpectTextureShows(id, update);
        }
        EXPECT_FALSE(Boolean("Avi.IsPlaying(" + std::to_string(id) + ")"));
        AdvanceVideos(0.15f);
        ExpectTextureShows(id, 9);
        Run("Avi.Close(" + std::to_string(id) + ")");
    }
}

TEST_F(AviLibrary, StopRewindsLoopRestartsAndTimeBelowAFrameWaits) {
    uint32_t id = static_cast<uint32_t>(Number("Avi.Open(dir .. 'clip.avi', 64, 64, true)"));
    AdvanceVideos(0.05f); // half a frame: nothing due yet
    EXPECT_EQ(FindVideo(id)->currentFrame, 0u);
    for (int update = 0; update < 4; ++update)
        AdvanceVideos(1.0f);
    ExpectTextureShows(id, 3);
    Run("Avi.Stop(1)");
    AdvanceVideos(1.0f);
    EXPECT_FALSE(Boolean("Avi.IsPlaying(1)"));
    ExpectTextureShows(id, 3);
    Run("Avi.Play(1)");
    AdvanceVideos(1.0f);
    ExpectTextureShows(id, 0);
    for (int update = 1; update < 10; ++update)
        AdvanceVideos(1.0f);
    ExpectTextureShows(id, 9);
    AdvanceVideos(1.0f);
    EXPECT_TRUE(Boolean("Avi.IsPlaying(1)"));
    ExpectTextureShows(id, 0);
    Run("Avi.Pause(1)");
    AdvanceVideos(1.0f);
    ExpectTextureShows(id, 0);
}

TEST_F(AviLibrary, ShortFrameDurationsAndHugeFrameTimesStillAdvanceOnce) {
    // 2000 frames a second round to 0 ms per frame.
    WriteFile(dir_ + "/fast.avi", MakeUncompressedAvi(16, 16, 10, 2000));
    uint32_t fast = static_cast<uint32_t>(Number("Avi.Open(dir .. 'fast.avi', 16, 16)"));
    ASSERT_NE(fast, 0u);
    EXPECT_EQ(FindVideo(fast)->frameDuration, 0.0f);
    uint32_t slow = static_cast<uint32_t>(Number("Avi.Open(dir .. 'clip.avi', 16, 16)"));
    for (int update = 0; update < 9; ++update)
        AdvanceVideos(1.0e7f);
    EXPECT_EQ(FindVideo(slow)->currentFrame, 9u);
    EXPECT_LE(FindVideo(slow)->accumulator, FindVideo(slow)->frameDuration);
    EXPECT_TRUE(FindVideo(fast)->playing);
    AdvanceVideos(0.001f);
    EXPECT_FALSE(FindVideo(fast)->playing);
}

TEST_F(AviLibrary, FilesThatCannotPlayPrintWhyAndGiveZero) {
    std::string whole = MakeUncompressedAvi(64, 48, 10, 10);
    std::string unknownCodec = whole;
    unknownCodec.replace(unknownCodec.find("strf") + 8 + 16, 4, "ZQZQ");
    WriteFile(dir_ + "/nothing.avi", "");
    WriteFile(dir_ + "/garbage.avi", std::string(3000, '\x17'));
    WriteFile(dir_ + "/cut.avi", whole.substr(0, 120));
    WriteFile(dir_ + "/empty.avi", MakeUncompressedAvi(64, 48, 0, 10));
    WriteFile(dir_ + "/codec.avi", unknownCodec);
    struct Case {
        const char* name;
        std::string output;
    } cases[] = {
        {"absent.avi", "File Corrupt or Not In Existance! " + dir_ + "/absent.avi\n"},
        {"nothing.avi", "File Corrupt or Not In Existance! " + dir_ + "/nothing.avi\n"},
        {"garbage.avi", "File Corrupt or Not In Existance! " + dir_ + "/garbage.avi\n"},
        {"cut.avi", "File Corrupt or Not In Existance! " + dir_ + "/cut.avi\n"},
        {"codec.avi", "Error: Avi type unsupported " + dir_ + "/codec.avi\n"},
        {"empty.avi", "Couldn't retrieve first AVI frame\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(std::string("print(Avi.Open(dir .. '") + c.name + "', 64, 64))"),
                  c.output + "\tCAvi::~CAvi\n0\n");
    }
    EXPECT_EQ(Run("print(Avi.Open(nil, 64, 64))"),
              "File Corrupt or Not In Existance! \n\tCAvi::~CAvi\n0\n");
    EXPECT_EQ(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"), 1);
}

TEST_F(AviLibrary, DrawShowsTheFrameUprightWhereYPointsDown) {
    uint32_t id = static_cast<uint32_t>(Number("Avi.Open(dir .. 'clip.avi', 64, 64)"));
    ASSERT_EQ(id, 1u);
    glViewport(0, 0, 256, 256);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 256, 256, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    Run("Avi.Draw(0, 0, 128, 128, 1)");
    glFinish();
    // Window rows count from the bottom: the picture's top is at window row 255 - 10.
    std::vector<uint8_t> top = ReadGlPixels(64, 245, 1, 1);
    std::vector<uint8_t> bottom = ReadGlPixels(64, 138, 1, 1);
    EXPECT_NEAR(top[0], TopColour(0).r, 2);
    EXPECT_NEAR(top[1], TopColour(0).g, 2);
    EXPECT_NEAR(bottom[0], BottomColour(0).r, 2);
    EXPECT_NEAR(bottom[2], BottomColour(0).b, 2);
    glDisable(GL_TEXTURE_2D);
}
