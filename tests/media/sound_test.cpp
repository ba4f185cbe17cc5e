// The Sound and Mp3 libraries in this process, on OpenAL Soft's null output
// (a device that mixes in real time and plays nothing).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "media/sound.h"
#include "media/sound_device.h"
#include "script/script_host.h"
#include "support/gl_window.h"
#include "support/script_run.h"
#include "tone_file.h"

namespace {

lua_State* state = nullptr;
std::string dir;

class SoundLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("ALSOFT_DRIVERS", "null", 1);
        EnsureGlWindow();
        state = luaL_newstate();
        OpenStandardLibraries(state);
        SetScriptState(state);
        testing::internal::CaptureStdout();
        StartSound(state);
        startMessages = testing::internal::GetCapturedStdout();

        dir = MakeWorkDir() + "/";
        WriteWav(dir + "half.wav", Tone(0.5, 440, 22050), 22050);
        WriteWav(dir + "long.wav", Tone(3.7, 440, 22050), 22050);
        // Music that changes note every tenth of a second.
        std::vector<float> music;
        for (int note = 0; note < 15; ++note) {
            std::vector<float> part = Tone(0.1, 300 + 150 * (note % 5), 44100, 0.8);
            music.insert(music.end(), part.begin(), part.end());
        }
        WriteWav(dir + "music.wav", music, 44100);
        Run("dir = '" + dir + "'");
    }
    static void TearDownTestSuite() {
        testing::internal::CaptureStdout();
        StopSound();
        testing::internal::GetCapturedStdout();
        lua_close(state);
        SetScriptState(nullptr);
    }
    void TearDown() override { Run("Sound.DeleteAll(); Mp3.Stop()"); }

    static void Run(const std::string& text) { RunString(state, text.c_str()); }
    static std::string Eval(const std::string& expression) {
        Run("result = tostring(" + expression + ")");
        lua_getglobal(state, "result");
        std::string text = lua_isstring(state, -1) ? lua_tostring(state, -1) : "(error)";
        lua_pop(state, 1);
        Run("result = nil");
        return text;
    }
    static void Frames(int count, float frameTime) {
        for (int i = 0; i < count; ++i)
            UpdateMedia(frameTime);
    }
    static int Channel(const std::string& name) { return std::stoi(Eval(name)); }
    static int BusyDeviceChannels() {
        int busy = 0;
        for (int channel = 0; channel < SoundDevice::kChannelCount; ++channel)
            busy += SoundDevice::IsPlaying(channel);
        return busy;
    }

    static std::string startMessages;
};

std::string SoundLibrary::startMessages;

void Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

TEST_F(SoundLibrary, StartsAndNamesSamplesByPath) {
    EXPECT_EQ(startMessages, "Sound IS OK!\n");
    Run("a = Sound.Load(dir .. 'half.wav'); b = Sound.Load(dir .. 'long.wav')");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'half.wav') == a"), "true");
    EXPECT_EQ(Eval("a ~= b and a > 0 and b > 0"), "true");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'missing.wav')"), "0");
    EXPECT_EQ(Eval("select('#', Sound.Load(dir .. 'music.wav', 1))"), "0"); // wrong count: no result

    Run("Sound.Delete(a)");
    EXPECT_EQ(Eval("Sound.Play(a)"), "0");
    EXPECT_EQ(Eval("Sound.Play(0)"), "0");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'half.wav') > b"), "true");
}

TEST_F(SoundLibrary, DamagedFilesLoadWhatTheyHoldOrNothing) {
    std::string whole = ReadFile(dir + "long.wav");
    WriteFile(dir + "cut.wav", whole.substr(0, whole.size() / 3));
    WriteFile(dir + "junk.wav", std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0junkjunkjunkjunk", 36));
    WriteFile(dir + "empty.wav", "");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'junk.wav')"), "0");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'empty.wav')"), "0");
    EXPECT_EQ(Eval("Sound.Load(dir)"), "0");
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'junk.wav')"), "false");
    EXPECT_EQ(Eval("Mp3.Play(dir)"), "false");
    // A third of 3.7 s survives the cut: a one-second sample.
    Run("ch = Sound.Play(Sound.Load(dir .. 'cut.wav'))");
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true");
    Frames(4, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true");
    Frames(1, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "false");
}

TEST_F(SoundLibrary, ShortSoundIsForgottenOnTheNextFrameWhileStillHeard) {
    Run("ch = Sound.Play(Sound.Load(dir .. 'half.wav'))");
    int channel = Channel("ch");
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true");
    EXPECT_EQ(Eval("Sound.GetFrequency(ch)"), "22050");
    Frames(1, 0.016f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "false");
    EXPECT_EQ(Eval("Sound.GetVolume(ch)"), "0");
    EXPECT_TRUE(SoundDevice::IsPlaying(channel));
}

TEST_F(SoundLibrary, LongSoundIsKnownForItsWholeSecondsPlusOneFrame) {
    Run("ch = Sound.Play(Sound.Load(dir .. 'long.wav'))");
    Frames(12, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true");
    Frames(1, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "false");
}

TEST_F(SoundLibrary, LoopingStaysKnownUntilStoppedAndPauseHoldsTheCountdown) {
    Run("loop = Sound.PlayLooping(Sound.Load(dir .. 'half.wav'))");
    Run("ch = Sound.Play(Sound.Load(dir .. 'long.wav')); Sound.Pause(ch)");
    int channel = Channel("ch");
    EXPECT_NE(Channel("loop"), channel);
    Frames(40, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(loop)"), "true");
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true"); // paused still counts as playing
    Sleep(600);
    EXPECT_TRUE(SoundDevice::IsPlaying(Channel("loop"))); // the half second came round again

    Run("Sound.UnPause(ch)");
    Frames(12, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true");
    Frames(1, 0.25f);
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "false");

    Run("Sound.StopAll()");
    EXPECT_EQ(Eval("Sound.IsPlaying(loop)"), "false");
    EXPECT_EQ(BusyDeviceChannels(), 1); // the forgotten long sound plays on
}

TEST_F(SoundLibrary, SamplesNeverPlayOnChannelZeroWhichMusicKeeps) {
    Run("id = Sound.Load(dir .. 'half.wav'); seen = {}; distinct = 0; zero = false "
        "for i = 1, 63 do local ch = Sound.PlayLooping(id) "
        "  zero = zero or ch == 0; if not seen[ch] then distinct = distinct + 1 end; seen[ch] = true end");
    EXPECT_EQ(Eval("zero"), "false");
    EXPECT_EQ(Eval("distinct"), "63");
    EXPECT_EQ(Eval("Sound.Play(id)"), "0"); // every sample channel is busy
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    EXPECT_EQ(BusyDeviceChannels(), 64);
    Run("Sound.StopAll()");
    EXPECT_EQ(BusyDeviceChannels(), 1);
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "true");
    EXPECT_NE(Eval("Sound.Play(id)"), "0");
}

TEST_F(SoundLibrary, ChannelValuesAreClamped) {
    Run("ch = Sound.Play(Sound.Load(dir .. 'long.wav'))");
    int channel = Channel("ch");
    Run("Sound.SetVolume(ch, 2)");
    EXPECT_EQ(SoundDevice::GetVolume(channel), 255);
    EXPECT_EQ(Eval("Sound.GetVolume(ch) > 0.9999"), "true");
    Run("Sound.SetVolume(ch, -1)");
    EXPECT_EQ(SoundDevice::GetVolume(channel), 0);
    Run("Sound.SetVolume(ch, 0.5)");
    EXPECT_EQ(SoundDevice::GetVolume(channel), 127);
    Run("Sound.SetVolume(ch, 0/0)");
    EXPECT_EQ(SoundDevice::GetVolume(channel), 0);

    Run("Sound.SetPan(ch, 0)");
    EXPECT_EQ(SoundDevice::GetPan(channel), 127);
    Run("Sound.SetPan(ch, -7)");
    EXPECT_EQ(SoundDevice::GetPan(channel), 0);
    EXPECT_EQ(Eval("Sound.GetPan(ch)"), "-1");
    Run("Sound.SetPan(ch, 3)");
    EXPECT_EQ(SoundDevice::GetPan(channel), 255);

    Run("Sound.SetFrequency(ch, -22050)");
    EXPECT_EQ(Eval("Sound.GetFrequency(ch)"), "22050");
    Run("Sound.SetFrequency(ch, 50)");
    EXPECT_EQ(Eval("Sound.GetFrequency(ch)"), "100");
    Run("Sound.SetFrequency(ch, 1e7)");
    EXPECT_EQ(Eval("Sound.GetFrequency(ch)"), "705600");
    Run("Sound.SetFrequency(ch, -2147483648)");
    EXPECT_EQ(Eval("Sound.GetFrequency(ch)"), "705600");

    Run("Sound.SetPosition(ch, 3, 0, -2); Sound.SetPosition(ch); Sound.SetPosition()");
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)"), "true");
}

TEST_F(SoundLibrary, IsPlayingRaisesOnBadArguments) {
    const std::string message =
        "false\t[ERROR] SoundIsPlaying requires a sound channel as an argument!";
    for (const char* call : {"pcall(Sound.IsPlaying)", "pcall(Sound.IsPlaying, 'one')",
                             "pcall(Sound.IsPlaying, 1, 2)", "pcall(Sound.IsPlaying, {})"}) {
        Run(std::string("ok, err = ") + call);
        EXPECT_EQ(Eval("ok") + "\t" + Eval("err"), message) << call;
    }
    EXPECT_EQ(Eval("Sound.IsPlaying(12345)"), "false");
    EXPECT_EQ(Eval("Sound.IsPlaying(1e300)"), "false");
}

TEST_F(SoundLibrary, NewMusicReplacesTheOldAndAFailedOpenLeavesSilence) {
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    EXPECT_EQ(BusyDeviceChannels(), 1);
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "true");
    EXPECT_EQ(Eval("Mp3.Pause(1)"), "1");
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "true");
    EXPECT_EQ(Eval("Mp3.Pause(0)"), "1");
    EXPECT_EQ(Eval("Mp3.Volume(3)"), "1");

    EXPECT_EQ(Eval("Mp3.Play(dir .. 'missing.mp3')"), "false");
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "false");
    EXPECT_EQ(BusyDeviceChannels(), 0);
    // With no music open, the controls touch nobody's channel.
    EXPECT_EQ(Eval("Mp3.Pause(1)"), "0");
    EXPECT_EQ(Eval("Mp3.Volume(0.5)"), "0");
    EXPECT_EQ(Eval("Mp3.Stop()"), "0");

    Run("ok, err = pcall(Mp3.Play)");
    EXPECT_EQ(Eval("err"), "[ERROR] Mp3Play requires a string argument!");
    Run("ok, err = pcall(Mp3.Play, 'a', 'b')");
    EXPECT_EQ(Eval("err"), "[ERROR] Mp3Play requires a string argument!");
}

TEST_F(SoundLibrary, MusicStreamsToItsEndAndItsSpectrumMoves) {
    EXPECT_EQ(Eval("table.getn(Mp3.Spectrum())"), "512");
    EXPECT_EQ(Eval("math.max(unpack(Mp3.Spectrum()))"), "0");

    ASSERT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    Sleep(150);
    Run("first = Mp3.Spectrum()");
    Sleep(250);
    Run("second = Mp3.Spectrum()");
    EXPECT_EQ(Eval("table.getn(first) == 512 and table.getn(second) == 512"), "true");
    EXPECT_EQ(Eval("math.max(unpack(first)) > 0.2"), "true");
    Run("changed = false; for i = 1, 512 do changed = changed or first[i] ~= second[i] end");
    EXPECT_EQ(Eval("changed"), "true");
    Run("inRange = true; for i = 1, 512 do inRange = inRange and first[i] >= 0 and first[i] <= 1 "
        "end");
    EXPECT_EQ(Eval("inRange"), "true");

    Sleep(800); // past the buffers queued at the start: the feeder keeps it going
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "true");
    for (int wait = 0; wait < 60 && Eval("Mp3.IsPlaying()") == "true"; ++wait) Sleep(50);
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "false");
    EXPECT_EQ(Eval("math.max(unpack(Mp3.Spectrum()))"), "0");
    EXPECT_EQ(Eval("Mp3.Stop()"), "1");
}
