// The sound library through the real runner: no device at all, and what
// reaches the speakers, caught by OpenAL Soft's wave-file output.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "support/script_run.h"
#include "tone_file.h"

namespace {

std::string WavBytes(const std::vector<float>& samples, int rate) {
    std::string path = MakeWorkDir() + "/tone.wav";
    WriteWav(path, samples, rate);
    return ReadFile(path);
}

struct ToneMeasure {
    double hz = 0;
    float peak = 0;
};

// Frequency (by zero crossings) and peak of one channel, from 0.1 s to 0.4 s
// after the sound sets in.
ToneMeasure Measure(const DecodedSound& sound, int channel) {
    size_t frames = sound.samples.size() / sound.channels;
    auto at = [&](size_t frame) { return sound.samples[frame * sound.channels + channel]; };
    size_t onset = 0;
    while (onset < frames && std::abs(at(onset)) < 0.05f) ++onset;
    size_t begin = onset + sound.rate / 10;
    size_t end = std::min(frames, onset + sound.rate * 4 / 10);
    ToneMeasure measure;
    if (begin >= end) return measure;
    int crossings = 0;
    for (size_t i = begin; i < end; ++i) {
        if ((at(i - 1) < 0) != (at(i) < 0)) ++crossings;
        measure.peak = std::max(measure.peak, std::abs(at(i)));
    }
    measure.hz = crossings / 2.0 / (double(end - begin) / sound.rate);
    return measure;
}

} // namespace

TEST(SoundScript, WithoutADeviceEveryFunctionGivesItsDefault) {
    ScriptRunOptions options;
    options.environment = {"ALSOFT_DRIVERS=nonexistent"};
    options.files = {{"tone.wav", WavBytes(Tone(1.0, 440, 22050), 22050)}};
    ScriptRunResult run = RunScript(R"(
print(Sound.Load("tone.wav"), Sound.Play(1), Sound.PlayLooping(1))
print(Sound.GetFrequency(1), Sound.GetPan(1), Sound.GetVolume(1), Sound.IsPlaying(1))
Sound.Pause(1); Sound.PauseAll(); Sound.UnPause(1); Sound.UnPauseAll(); Sound.Stop(1); Sound.StopAll()
Sound.SetFrequency(1, 1000); Sound.SetPan(1, 1); Sound.SetVolume(1, 1); Sound.SetPosition(1, 1, 2, 3)
Sound.SetDistanceFactor(2); Sound.SetDopplerFactor(0.5); Sound.SetRollOffFactor(2)
Sound.Delete(1); Sound.DeleteAll()
print(Mp3.Play("tone.wav"), Mp3.IsPlaying(), Mp3.Pause(1), Mp3.Volume(1), Mp3.Stop(), table.getn(Mp3.Spectrum()))
print(pcall(Sound.IsPlaying, "x"))
)", options);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.console.find("Error!\nError initializing output device.\n"), std::string::npos) << run.console;
    EXPECT_EQ(run.console.find("Sound IS OK!"), std::string::npos);
    EXPECT_NE(run.errors.find("[ERROR] Unable to initialise and run fmod. Is fmod.dll is the system path?\n"),
              std::string::npos);
    const std::string expected =
        "0\t0\t0\n"
        "0\t0\t0\tfalse\n"
        "NO SOUND\n"
        "false\tfalse\t0\t0\t0\t0\n"
        "false\t[ERROR] SoundIsPlaying requires a sound channel as an argument!\n";
    EXPECT_NE(run.stdoutLog.find(expected), std::string::npos) << run.stdoutLog;
}

TEST(SoundScript, StartUpChimeIsLoadedAndPlaying) {
    ScriptRunOptions options;
    options.withRuntime = true;
    options.environment = {"ALSOFT_DRIVERS=null"};
    ScriptRunResult run = RunScript("print(Sound.Load('startmenu/Startup.wav'), Sound.IsPlaying(1))\n", options);
    EXPECT_NE(run.console.find("Sound IS OK!\n"), std::string::npos);
    EXPECT_NE(run.stdoutLog.find("1\ttrue\n"), std::string::npos) << run.stdoutLog;

    DecodedSound chime = ReadSound(std::string(SCRIPTDESK_RUNTIME_DIR) + "/startmenu/Startup.wav");
    EXPECT_EQ(chime.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    ASSERT_GT(chime.channels, 0);
    double seconds = double(chime.samples.size()) / chime.channels / chime.rate;
    EXPECT_NEAR(seconds, 2.0, 0.5);
    float peak = 0;
    for (float value : chime.samples) peak = std::max(peak, std::abs(value));
    EXPECT_GT(peak, 0.3f);
    EXPECT_LT(peak, 0.99f); // no clipping
    EXPECT_LT(std::abs(chime.samples.back()), 0.01f); // ends without a click
}

TEST(SoundScript, PannedTonesComeOutAtTheirPitchAndLevel) {
    ScriptRunOptions options;
    options.withRuntime = false; // the start-up chime would mix into the tones
    options.environment = {"ALSOFT_CONF=alsoft.conf"};
    options.files = {{"alsoft.conf", "[general]\ndrivers=wave\n[wave]\nfile=out.wav\n"},
                     {"tone.wav", WavBytes(Tone(1.0, 1000, 44100, 0.5), 44100)}};
    ScriptRunResult run = RunScript(R"(
local tone = Sound.Load("tone.wav")
local left = Sound.Play(tone)
Sound.SetPan(left, -1)
local right = Sound.Play(tone)
Sound.SetPan(right, 1)
Sound.SetVolume(right, 0.5)
Sound.SetFrequency(right, 88200)
os.execute("sleep 1.2")
)", options);
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    DecodedSound out = ReadSound(run.workDir + "/out.wav");
    ASSERT_EQ(out.channels, 2) << run.errors;

    ToneMeasure left = Measure(out, 0);
    EXPECT_NEAR(left.hz, 1000, 20);
    EXPECT_NEAR(left.peak, 0.5f, 0.03f);
    ToneMeasure right = Measure(out, 1);
    EXPECT_NEAR(right.hz, 2000, 40); // twice the sample's own rate
    EXPECT_NEAR(right.peak, 0.5f * 127 / 255, 0.02f);
}
