// Sound files decoded without an output device: files of many channels mixed
// down to stereo, and Ogg Vorbis files cut inside their headers.
#include <gtest/gtest.h>
#include <malloc.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "media/sound_device.h"
#include "media/sound_file.h"
#include "support/script_run.h"
#include "tone_file.h"

namespace {

constexpr int kRate = 22050;

// A tone in one channel of `channels`, silence in the others, interleaved.
std::vector<float> ToneInChannel(int channel, int channels) {
    std::vector<float> tone = Tone(0.2, 1000, kRate, 0.9);
    std::vector<float> frames(tone.size() * channels, 0.0f);
    for (size_t i = 0; i < tone.size(); ++i)
        frames[i * channels + channel] = tone[i];
    return frames;
}

// An AIFF file with a channel layout chunk as other tools write it (quad, by
// tag), for which libsndfile keeps a map shorter than the channel count.
std::string WithQuadLayoutChunk(std::string aiff) {
    const std::string chunk("CHAN\0\0\0\x0c\0\x84\0\x04\0\0\0\0\0\0\0\0", 20);
    aiff.insert(12, chunk);
    uint32_t formSize = static_cast<uint32_t>(aiff.size() - 8);
    for (int i = 0; i < 4; ++i)
        aiff[4 + i] = static_cast<char>(formSize >> (24 - 8 * i));
    return aiff;
}

float Peak(const SoundDevice::DecodedSound& sound, int channel) {
    float peak = 0.0f;
    for (size_t i = channel; i < sound.pcm.size(); i += sound.channels)
        peak = std::max(peak, std::abs(sound.pcm[i] / 32768.0f));
    return peak;
}

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

} // namespace

TEST(SoundFile, FilesOfMoreThanTwoChannelsAreMixedDownToStereo) {
    constexpr int kWav = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    constexpr int kAiff = SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
    const std::vector<int> mapped = {SF_CHANNEL_MAP_LEFT, SF_CHANNEL_MAP_RIGHT,
                                     SF_CHANNEL_MAP_CENTER, SF_CHANNEL_MAP_LFE};
    const std::vector<std::tuple<std::string, std::string, char>> cases = {
        // name, file, where the tone is heard: Left, Right or Centre
        {"six-channel WAV, front left", SoundFileBytes(ToneInChannel(0, 6), kRate, 6, kWav), 'L'},
        {"four-channel WAV, back right", SoundFileBytes(ToneInChannel(3, 4), kRate, 4, kWav), 'R'},
        {"three-channel WAV, centre", SoundFileBytes(ToneInChannel(2, 3), kRate, 3, kWav), 'C'},
        {"four-channel AIFF, front left", SoundFileBytes(ToneInChannel(0, 4), kRate, 4, kAiff),
         'L'},
        {"four-channel AIFF with a layout tag, back right",
         WithQuadLayoutChunk(SoundFileBytes(ToneInChannel(3, 4), kRate, 4, kAiff)), 'R'},
        {"four-channel WAV mapped as front, centre and LFE: third channel",
         SoundFileBytes(ToneInChannel(2, 4), kRate, 4, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, mapped),
         'C'},
    };
    std::string path = MakeWorkDir() + "/many";
    for (const auto& [name, bytes, side] : cases) {
        SCOPED_TRACE(name);
        WriteFile(path, bytes);
        SoundDevice::DecodedSound sound;
        ASSERT_EQ(SoundDevice::DecodeSoundFile(path.c_str(), &sound), SoundDevice::kErrNone);
        ASSERT_EQ(sound.channels, 2);
        EXPECT_EQ(sound.pcm.size(), 2u * kRate / 5);
        float left = Peak(sound, 0), right = Peak(sound, 1);
        if (side == 'C') {
            EXPECT_GT(left, 0.2f);
            EXPECT_NEAR(left, right, 0.002f);
        } else {
            EXPECT_GT(side == 'L' ? left : right, 0.2f);
            EXPECT_LT(side == 'L' ? right : left, 0.002f);
        }
    }
}

TEST(SoundFile, OggVorbisCutInItsHeadersIsRefusedAndLeavesNothingBehind) {
    // Noise, so that the sound fills many pages.
    std::vector<float> noise(4 * kRate);
    uint32_t seed = 1;
    for (float& value : noise)
        value = static_cast<float>((seed = seed * 1664525u + 1013904223u) >> 8) / (1 << 24) - 0.5f;
    std::string ogg = SoundFileBytes(noise, kRate, 1, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    size_t comment = ogg.find("\x03vorbis");
    size_t setup = ogg.find("\x05vorbis");
    ASSERT_TRUE(comment != std::string::npos && setup != std::string::npos);
    const std::string id3("ID3\x03\0\0\0\0\0\x0a", 10);
    const std::vector<std::pair<std::string, std::string>> cut = {
        {"in the comment header", ogg.substr(0, comment + 10)},
        {"in the set-up header", ogg.substr(0, setup + 100)},
        {"behind an ID3 tag", id3 + std::string(10, '\0') + ogg.substr(0, setup + 100)},
    };
    std::string path = MakeWorkDir() + "/cut.ogg";
    for (const auto& [name, bytes] : cut) {
        SCOPED_TRACE(name);
        WriteFile(path, bytes);
        SoundDevice::DecodedSound sound;
        EXPECT_EQ(SoundDevice::DecodeSoundFile(path.c_str(), &sound), SoundDevice::kErrFileFormat);
        // The Vorbis reader used to keep about 6 KB for every such file.
        size_t before = HeapInUse();
        for (int attempt = 0; attempt < 200; ++attempt)
            SoundDevice::DecodeSoundFile(path.c_str(), &sound);
        EXPECT_LT(HeapInUse(), before + 100000);
    }

    // Whole headers: the file plays, and a cut in the sound keeps what is there.
    for (size_t size : {ogg.size(), ogg.size() * 3 / 4}) {
        WriteFile(path, ogg.substr(0, size));
        SoundDevice::DecodedSound sound;
        ASSERT_EQ(SoundDevice::DecodeSoundFile(path.c_str(), &sound), SoundDevice::kErrNone)
            << size;
        EXPECT_GT(sound.pcm.size(), size == ogg.size() ? 4 * kRate - 1 : kRate) << size;
    }
}

TEST(SoundFile, AFileLookedIntoForAFrameStillReadsFromItsFirst) {
    const std::vector<std::pair<std::string, int>> formats = {
        {"WAV", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
        {"FLAC", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {"Ogg Vorbis", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
        {"MP3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III},
    };
    std::string path = MakeWorkDir() + "/looked";
    for (const auto& [name, format] : formats) {
        SCOPED_TRACE(name);
        WriteFile(path, SoundFileBytes(Tone(0.5, 440, kRate), kRate, 1, format));
        auto readAll = [&path](bool lookFirst) {
            SoundDevice::SoundFile file;
            std::vector<short> frames(kRate);
            if (file.Open(path.c_str()) != SoundDevice::kErrNone ||
                (lookFirst && !file.HasFrames()))
                return std::vector<short>();
            frames.resize(file.Read(frames.data(), kRate));
            return frames;
        };
        std::vector<short> plain = readAll(false);
        EXPECT_GT(plain.size(), kRate / 4u);
        std::vector<short> looked = readAll(true);
        size_t at = std::mismatch(plain.begin(), plain.end(), looked.begin(), looked.end()).first -
                    plain.begin();
        EXPECT_EQ(looked.size(), plain.size()) << at;
        EXPECT_EQ(looked, plain);
    }
}
