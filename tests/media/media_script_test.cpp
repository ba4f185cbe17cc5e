// Sound, music and video through the real runner: a script that uses all of
// them on the null output, no device at all, and what reaches the speakers,
// caught by OpenAL Soft's wave-file output.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>

#include "avi_test_file.h"
#include "support/script_run.h"
#include "tone_file.h"

namespace {

struct ToneMeasure {
    double hz = 0;
    float peak = 0;
};

// Frequency (by zero crossings) and peak of one channel, from 0.1 s to 0.4 s
// after the sound sets in.
ToneMeasure Measure(const DecodedSound& sound, int channel) {
    std::vector<float> wave;
    for (size_t i = channel; i < sound.samples.size(); i += sound.channels) wave.push_back(sound.samples[i]);
    size_t onset = std::ranges::find_if(wave, [](float v) { return std::abs(v) >= 0.05f; }) - wave.begin();
    ToneMeasure measure;
    for (size_t i = onset + sound.rate / 10; i < std::min(wave.size(), onset + sound.rate * 4 / 10); ++i) {
        measure.hz += ((wave[i - 1] < 0) != (wave[i] < 0)) / (2 * 0.3);
        measure.peak = std::max(measure.peak, std::abs(wave[i]));
    }
    return measure;
}

// What reached the speakers while the script ran and 0.8 s more, caught by
// OpenAL Soft's wave-file output; without the start-up chime, which would mix in.
DecodedSound Heard(const std::string& script,
                   std::vector<std::pair<std::string, std::string>> files) {
    ScriptRunOptions options;
    options.withRuntime = false;
    options.environment = {"ALSOFT_CONF=alsoft.conf"};
    options.files = std::move(files);
    options.files.push_back({"alsoft.conf", "[general]\ndrivers=wave\n[wave]\nfile=out.wav\n"});
    ScriptRunResult run = RunScript(script + "os.execute(\"sleep 0.8\")\n", options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    return ReadSound(run.workDir + "/out.wav");
}

} // namespace

TEST(MediaScript, VideoDrawnByAnIdleScriptSampleAndMusicWithAMovingSpectrum) {
    ScriptRunOptions options;
    options.frames = 6;
    options.frameTime = 0.15; // one video frame per pass
    options.screenshot = true;
    options.environment = {"ALSOFT_DRIVERS=null"};
    options.files = {{"clip.avi", MakeUncompressedAvi(64, 48, 10, 10)},
                     {"tone.wav", WavBytes(Tone(2.0, 440, 22050), 22050)},
                     {"music.wav", WavBytes(Melody(20, 0.2), 44100)}};
    ScriptRunResult run = RunScript(R"(
print(Sound.Load("startmenu/Startup.wav")) -- loaded by the start-up
local channel = Sound.Play(Sound.Load("tone.wav"))
print(channel > 1, Sound.IsPlaying(channel), Sound.GetFrequency(channel), Mp3.Play("music.wav"))
local clip = Avi.Open("clip.avi", 100, 64)
print(clip, Avi.Width(clip), Avi.Height(clip), Avi.IsPlaying(clip))
AddIdleString([[
  SetForeground(1, 1, 1); SetTransparent(0)
  Avi.Draw(-10, 0, 10, 8, 1)
  local spectrum, peak = Mp3.Spectrum(), 1
  for i = 2, table.getn(spectrum) do if spectrum[i] > spectrum[peak] then peak = i end end
  print("spectrum", spectrum[peak] > 0.1 and peak or 0)
  os.execute("sleep 0.15")
]])
)",
                                    options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_NE(run.console.find("Sound IS OK!\n"), std::string::npos) << run.console;
    const std::string opened = "1\ntrue\ttrue\t22050\ttrue\n1\t64\t48\ttrue\n";
    ASSERT_EQ(run.stdoutLog.substr(0, opened.size()), opened) << run.stdoutLog;
    EXPECT_NE(run.stdoutLog.find("Avi Cleanup\n"), std::string::npos);

    // Once the music is heard (0: not yet) the loudest spectrum value is one of
    // the notes' (43 Hz apart from index 1: 300 Hz at index 8, 900 Hz at 22),
    // and the notes change from frame to frame.
    std::istringstream lines(run.stdoutLog.substr(opened.size()));
    std::string word;
    int peak = 0, frames = 0;
    std::set<int> peaks;
    for (; lines >> word >> peak && word == "spectrum"; ++frames) {
        EXPECT_TRUE(peak == 0 || (peak >= 7 && peak <= 23)) << peak;
        if (peak) peaks.insert(peak);
    }
    EXPECT_EQ(frames, 6) << run.stdoutLog;
    EXPECT_GE(peaks.size(), 2u);

    // Six passes of 0.15 s show frame 5, upside down in the idle scripts'
    // upward frame: the video fills the lower left quarter of the 1024 × 768 surface.
    ASSERT_EQ(run.screenshot.width, 1024);
    ExpectColour(BottomColour(5), &run.screenshot.rgba[(450 * 1024 + 256) * 4], 2);
    ExpectColour(TopColour(5), &run.screenshot.rgba[(700 * 1024 + 256) * 4], 2);
}

TEST(MediaScript, WithoutADeviceEveryFunctionGivesItsDefaultAndOnlyOurMessageIsOnStandardError) {
    ScriptRunOptions options;
    // ALSA with a device that does not exist: the libraries have their say on it.
    options.environment = {"ALSOFT_CONF=alsoft.conf"};
    options.files = {
        {"alsoft.conf", "[general]\ndrivers=alsa\n[alsa]\ndevice=scriptdesk_missing\n"},
        {"tone.wav", WavBytes(Tone(1.0, 440, 22050), 22050)}};
    unsetenv("ALSOFT_LOGLEVEL");
    ScriptRunResult run = RunScript(R"(
print(Sound.Load("tone.wav"), Sound.Play(1), Sound.PlayLooping(1))
print(Sound.GetFrequency(1), Sound.GetPan(1), Sound.GetVolume(1), Sound.IsPlaying(1))
Sound.Pause(1); Sound.PauseAll(); Sound.UnPause(1); Sound.UnPauseAll(); Sound.Stop(1); Sound.StopAll()
Sound.SetFrequency(1, 1000); Sound.SetPan(1, 1); Sound.SetVolume(1, 1); Sound.SetPosition(1, 1, 2, 3)
Sound.SetDistanceFactor(2); Sound.SetDopplerFactor(0.5); Sound.SetRollOffFactor(2); Sound.Delete(1)
Sound.DeleteAll()
print(Mp3.Play("tone.wav"), Mp3.IsPlaying(), Mp3.Pause(1), Mp3.Volume(1), Mp3.Stop(), table.getn(Mp3.Spectrum()))
print(pcall(Sound.IsPlaying, "x"))
print(os.getenv("ALSOFT_LOGLEVEL"))
)",
                                    options);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.console.find("Error!\nError initializing output device.\n"), std::string::npos) << run.console;
    EXPECT_EQ(run.console.find("Sound IS OK!"), std::string::npos);
    // Only freeglut's word on the screen mode of the virtual display may join ours.
    std::istringstream errorLines(run.errors);
    std::string ours;
    for (std::string line; std::getline(errorLines, line);)
        if (!line.starts_with("freeglut (")) ours += line + "\n";
    EXPECT_EQ(ours, "[ERROR] Unable to initialise and run fmod. Is fmod.dll is the system path?\n");
    const std::string expected =
        "0\t0\t0\n0\t0\t0\tfalse\nNO SOUND\nfalse\tfalse\t0\t0\t0\t0\n"
        "false\t[ERROR] SoundIsPlaying requires a sound channel as an argument!\nnil\n";
    EXPECT_NE(run.stdoutLog.find(expected), std::string::npos) << run.stdoutLog;
}

TEST(MediaScript, APannedToneComesOutAtItsPitchAndLevel) {
    DecodedSound out = Heard(R"(
local channel = Sound.Play(Sound.Load("tone.wav"))
Sound.SetPan(channel, 1); Sound.SetVolume(channel, 0.5); Sound.SetFrequency(channel, 88200)
)",
                             {{"tone.wav", WavBytes(Tone(1.0, 1000, 44100, 0.5), 44100)}});
    ASSERT_EQ(out.channels, 2);
    ToneMeasure right = Measure(out, 1);
    EXPECT_NEAR(right.hz, 2000, 40); // twice the sample's own rate
    EXPECT_NEAR(right.peak, 0.5f * 127 / 255, 0.02f);
    EXPECT_LT(Measure(out, 0).peak, 0.01f); // nothing on the left
}

TEST(MediaScript, ASoundPlacedInTheWorldIsHeardFromThatPointThoughItHadFourChannels) {
    std::vector<float> tone = Tone(1.0, 1000, 44100, 1.0);
    std::vector<float> quad(tone.size() * 4, 0.0f);
    for (size_t i = 0; i < tone.size(); ++i)
        quad[i * 4] = tone[i]; // front left only
    const std::string quadWav = SoundFileBytes(quad, 44100, 4, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    DecodedSound out = Heard(R"(
local channel = Sound.Play(Sound.Load("quad.wav"))
Sound.SetPosition(channel, 1, 0, 0)
)",
                             {{"quad.wav", quadWav}});
    ASSERT_EQ(out.channels, 2);
    ToneMeasure right = Measure(out, 1);
    EXPECT_NEAR(right.hz, 1000, 20);
    EXPECT_GT(right.peak, 0.2f);
    EXPECT_LT(Measure(out, 0).peak, right.peak / 3); // on the right, where it was placed
}
