#include "tone_file.h"

#include <sndfile.h>

#include <cmath>
#include <numbers>

#include "support/script_run.h"

std::vector<float> Tone(double seconds, double hz, int rate, double amplitude) {
    std::vector<float> samples(static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / rate));
    return samples;
}

std::vector<float> Melody(int notes, double noteSeconds) {
    std::vector<float> music;
    for (int note = 0; note < notes; ++note) {
        std::vector<float> part = Tone(noteSeconds, 300 + 150 * (note % 5), 44100, 0.8);
        music.insert(music.end(), part.begin(), part.end());
    }
    return music;
}

std::string WavBytes(const std::vector<float>& samples, int rate) {
    return SoundFileBytes(samples, rate, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
}

std::string SoundFileBytes(const std::vector<float>& interleaved, int rate, int channels,
                           int format, const std::vector<int>& channelMap) {
    std::string path = MakeWorkDir() + "/sound";
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return {};
    std::vector<int> map = channelMap;
    if (!map.empty())
        sf_command(file, SFC_SET_CHANNEL_MAP_INFO, map.data(),
                   static_cast<int>(map.size() * sizeof(int)));
    sf_writef_float(file, interleaved.data(),
                    static_cast<sf_count_t>(interleaved.size() / channels));
    sf_close(file);
    return ReadFile(path);
}

DecodedSound ReadSound(const std::string& path) {
    DecodedSound sound;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return sound;
    sound.rate = info.samplerate;
    sound.channels = info.channels;
    sound.samples.resize(static_cast<size_t>(info.frames) * info.channels);
    sf_count_t got = sf_readf_float(file, sound.samples.data(), info.frames);
    sound.samples.resize(static_cast<size_t>(got) * info.channels);
    sf_close(file);
    return sound;
}
