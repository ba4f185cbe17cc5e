// The Sound and Mp3 libraries in this process, on OpenAL Soft's null output
// (a device that mixes in real time and plays nothing).
#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "media/sound.h"
#include "media/mp3_lua.h"
#include "media/sound_device.h"
#include "media/sound_lua.h"
#include "media/video_lua.h"
#include "script/script_calls.h"
#include "script/script_host.h"
#include "script_state.h"
#include "support/gl_window.h"
#include "support/script_run.h"
#include "tone_file.h"

using namespace std::chrono_literals;

namespace {

lua_State* state = nullptr;

class SoundLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("ALSOFT_DRIVERS", "null", 1);
        EnsureGlWindow();
        OpenInterpreter();
        state = ScriptState();
        RegisterVideoLibrary();
        RegisterMp3Library();
        RegisterSoundLibrary();
        StartSound();

        std::string dir = MakeWorkDir() + "/";
        WriteFile(dir + "half.wav", WavBytes(Tone(0.5, 440, 22050), 22050));
        WriteFile(dir + "long.wav", WavBytes(Tone(3.7, 440, 22050), 22050));
        WriteFile(dir + "music.wav", WavBytes(Melody(15, 0.1), 44100));
        Run("dir = '" + dir + "'");
    }
    static void TearDownTestSuite() {
        testing::internal::CaptureStdout();
        StopSound();
        testing::internal::GetCapturedStdout();
        CloseInterpreter();
    }
    void TearDown() override { Run("Sound.DeleteAll(); Mp3.Stop()"); }

    static void Run(const std::string& text) { RunString(state, text.c_str()); }
    static std::string Eval(const std::string& expression) { return Evaluate(state, expression); }
    static void Frames(int count, float frameTime) {
        for (int i = 0; i < count; ++i)
            UpdateMedia(frameTime);
    }
    // The channel stays known for this many more frames of 0.25 s and is forgotten on the next.
    static void ExpectKnownForFrames(const std::string& channel, int frames) {
        Frames(frames, 0.25f);
        EXPECT_EQ(Eval("Sound.IsPlaying(" + channel + ")"), "true");
        Frames(1, 0.25f);
        EXPECT_EQ(Eval("Sound.IsPlaying(" + channel + ")"), "false");
    }
    // An MP3 that decodes to no sound at all: its encoder tag says that the
    // padding at the end takes every sample.
    static std::string NothingToPlayMp3(const std::string& dir) {
        if (RunCommand("ffmpeg -loglevel error -y -f lavfi -i anullsrc=r=44100:cl=mono -t 0.001 "
                       "-c:a libmp3lame tiny.mp3",
                       dir) != 0)
            return {};
        std::string mp3 = ReadFile(dir + "/tiny.mp3");
        // The encoder's delay and padding, 12 bits each, lie 141 bytes after the "Info" mark.
        size_t tag = mp3.find("Info");
        if (tag == std::string::npos || tag + 144 > mp3.size()) return {};
        char* delayAndPadding = &mp3[tag + 141];
        delayAndPadding[1] = static_cast<char>((delayAndPadding[1] & 0xf0) | 0x09); // 2304
        delayAndPadding[2] = 0;
        return mp3;
    }
    static int BusyDeviceChannels() {
        int busy = 0;
        for (int channel = 0; channel < SoundDevice::kChannelCount; ++channel)
            busy += SoundDevice::IsPlaying(channel);
        return busy;
    }
};

} // namespace

TEST_F(SoundLibrary, NamesSamplesByPathAndLoadsWhatDamagedFilesHold) {
    Run("a = Sound.Load(dir .. 'half.wav'); b = Sound.Load(dir .. 'long.wav')");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'half.wav') == a and a ~= b and a > 0 and b > 0"), "true");
    EXPECT_EQ(Eval("select('#', Sound.Load(dir .. 'music.wav', 1))"), "0"); // wrong count: no result
    Run("ch = Sound.PlayLooping(a); Sound.Delete(a)");
    EXPECT_EQ(Eval("Sound.IsPlaying(ch)") + Eval("Sound.Play(a)") + Eval("Sound.Play(0)"), "false00");
    EXPECT_EQ(Eval("Sound.Load(dir .. 'half.wav') > b"), "true");

    std::string dir = Eval("dir");
    WriteFile(dir + "cut.wav", ReadFile(dir + "long.wav").substr(0, 54000));
    WriteFile(dir + "junk.wav", std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0junkjunkjunkjunk", 36));
    WriteFile(dir + "empty.wav", "");
    for (const char* call : {"Sound.Load(dir .. 'missing.wav')", "Sound.Load(dir .. 'junk.wav')",
                             "Sound.Load(dir .. 'empty.wav')", "Sound.Load(dir)",
                             "Mp3.Play(dir .. 'junk.wav') and 1 or 0", "Mp3.Play(dir) and 1 or 0"})
        EXPECT_EQ(Eval(call), "0") << call;
    // A third of 3.7 s survives the cut: a one-second sample.
    Run("ch = Sound.Play(Sound.Load(dir .. 'cut.wav'))");
    ExpectKnownForFrames("ch", 4);
}

TEST_F(SoundLibrary, FilesOfManyChannelsPlayAndMusicWithNothingToPlayFailsLikeASample) {
    std::string dir = Eval("dir");
    const std::vector<float> second(22050 * 6, 0.25f);
    WriteFile(dir + "six.wav", SoundFileBytes(second, 22050, 6, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    WriteFile(dir + "quad.aiff",
              SoundFileBytes(second, 22050, 4, SF_FORMAT_AIFF | SF_FORMAT_PCM_16));
    Run("ch = Sound.Play(Sound.Load(dir .. 'six.wav'))");
    ExpectKnownForFrames("ch", 4); // all of its second
    EXPECT_EQ(Eval("tostring(Mp3.Play(dir .. 'quad.aiff')) .. tostring(Mp3.IsPlaying())"),
              "truetrue");

    WriteFile(dir + "silent.wav", WavBytes({}, 22050));
    std::string mp3 = NothingToPlayMp3(dir);
    ASSERT_FALSE(mp3.empty()) << "needs the ffmpeg tool";
    WriteFile(dir + "nothing.mp3", mp3);
    for (const char* file : {"silent.wav", "nothing.mp3"}) {
        std::string path = "dir .. '" + std::string(file) + "'";
        EXPECT_EQ(Eval("Sound.Load(" + path + ") .. tostring(Mp3.Play(" + path +
                       ")) .. tostring(Mp3.IsPlaying()) .. Mp3.Stop()"),
                  "0falsefalse0")
            << file;
    }
}

TEST_F(SoundLibrary, ChannelsAreKnownForTheirWholeSecondsPlusOneFrameUnlessLoopingOrPaused) {
    Run("short = Sound.Play(Sound.Load(dir .. 'half.wav')); long = Sound.Play(Sound.Load(dir .. 'long.wav'))");
    Run("loop = Sound.PlayLooping(Sound.Load(dir .. 'half.wav'))");
    Run("paused = Sound.Play(Sound.Load(dir .. 'long.wav')); Sound.Pause(paused)");
    EXPECT_EQ(Eval("Sound.IsPlaying(short)") + Eval("Sound.GetFrequency(short)"), "true22050");
    Frames(1, 0.25f);
    // Half a second rounds down to none: forgotten while it is still heard.
    EXPECT_EQ(Eval("Sound.IsPlaying(short)") + Eval("Sound.GetVolume(short)"), "false0");
    EXPECT_TRUE(SoundDevice::IsPlaying(std::stoi(Eval("short"))));
    ExpectKnownForFrames("long", 11); // 3 s of frame time and one frame more

    Frames(27, 0.25f);
    // Paused still counts as playing.
    EXPECT_EQ(Eval("Sound.IsPlaying(loop)") + Eval("Sound.IsPlaying(paused)"), "truetrue");
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(
        SoundDevice::IsPlaying(std::stoi(Eval("loop")))); // the half second came round again
    Run("Sound.UnPause(paused)");
    ExpectKnownForFrames("paused", 12);

    Run("Sound.StopAll()");
    EXPECT_EQ(Eval("Sound.IsPlaying(loop)"), "false");
    EXPECT_EQ(BusyDeviceChannels(), 2); // the forgotten long sounds play on
}

TEST_F(SoundLibrary, ChannelValuesAreClampedAndBadArgumentsRaise) {
    Run("ch = Sound.Play(Sound.Load(dir .. 'long.wav'))");
    const std::string channelNeeded =
        "false\t[ERROR] SoundIsPlaying requires a sound channel as an argument!\n";
    const std::string textNeeded = "false\t[ERROR] Mp3Play requires a string argument!\n";
    EXPECT_EQ(RunCapturing(state, R"(
local function probe(set, get, scale, values)
  for _, v in ipairs(values) do set(ch, v); io.write(math.floor(get(ch) * scale + 0.5), " ") end
end
probe(Sound.SetVolume, Sound.GetVolume, 255, {2, -1, 0.5, 0/0})
probe(Sound.SetPan, function(c) return Sound.GetPan(c) + 1 end, 127.5, {0, -7, 3})
probe(Sound.SetFrequency, Sound.GetFrequency, 1, {-22050, 50, 1e7, -2147483648})
Sound.SetPosition(ch, 3, 0, -2); Sound.SetPosition(ch); Sound.SetPosition()
print(Sound.IsPlaying(ch), Sound.IsPlaying(12345), Sound.IsPlaying(1e300))
for _, call in ipairs({{Sound.IsPlaying}, {Sound.IsPlaying, "one"}, {Sound.IsPlaying, 1, 2},
                       {Sound.IsPlaying, {}}, {Mp3.Play}, {Mp3.Play, "a", "b"}}) do
  print(pcall(unpack(call)))
end)"),
              "255 0 127 0 127 0 255 22050 100 705600 705600 true\tfalse\tfalse\n" + channelNeeded +
                  channelNeeded + channelNeeded + channelNeeded + textNeeded + textNeeded);
}

TEST_F(SoundLibrary, MusicKeepsChannelZeroPlaysToItsEndAndIsReplacedByNewMusicOrSilence) {
    EXPECT_EQ(Eval("table.getn(Mp3.Spectrum()) .. ' ' .. math.max(unpack(Mp3.Spectrum()))"), "512 0");
    ASSERT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    int waits = 0;
    for (; waits < 60 && Eval("Mp3.IsPlaying()") == "true"; ++waits)
        std::this_thread::sleep_for(50ms);
    // 1.5 s of music: well past the buffers queued at the start, and then over.
    EXPECT_GE(waits, 25);
    EXPECT_LT(waits, 60);
    EXPECT_EQ(Eval("math.max(unpack(Mp3.Spectrum()))"), "0");

    EXPECT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    EXPECT_EQ(BusyDeviceChannels(), 1);
    EXPECT_EQ(Eval("Mp3.Pause(1) .. tostring(Mp3.IsPlaying()) .. Mp3.Pause(0) .. Mp3.Volume(3)"), "1true11");
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'missing.mp3')"), "false");
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "false");
    EXPECT_EQ(BusyDeviceChannels(), 0);
    // With no music open, the controls touch nobody's channel.
    EXPECT_EQ(Eval("Mp3.Pause(1) .. Mp3.Volume(0.5) .. Mp3.Stop()"), "000");

    // Samples never play on channel 0, which music keeps.
    Run("id = Sound.Load(dir .. 'half.wav'); seen = {}; distinct = 0; zero = false "
        "for i = 1, 63 do local ch = Sound.PlayLooping(id); zero = zero or ch == 0 "
        "  if not seen[ch] then distinct = distinct + 1 end; seen[ch] = true end");
    EXPECT_EQ(Eval("zero") + Eval("distinct"), "false63");
    EXPECT_EQ(Eval("Sound.Play(id)"), "0"); // every sample channel is busy
    EXPECT_EQ(Eval("Mp3.Play(dir .. 'music.wav')"), "true");
    EXPECT_EQ(BusyDeviceChannels(), 64);
    Run("Sound.StopAll()");
    EXPECT_EQ(BusyDeviceChannels(), 1);
    EXPECT_EQ(Eval("Mp3.IsPlaying()"), "true");
    EXPECT_NE(Eval("Sound.Play(id)"), "0");
}
