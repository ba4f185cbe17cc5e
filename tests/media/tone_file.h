// Sound files for the sound tests, written with libsndfile.
#pragma once

#include <string>
#include <vector>

// Mono sine of this frequency and peak amplitude (0..1).
std::vector<float> Tone(double seconds, double hz, int rate, double amplitude = 0.5);
// Music at 44100 Hz: `notes` tones of noteSeconds each, cycling through
// 300, 450, 600, 750 and 900 Hz.
std::vector<float> Melody(int notes, double noteSeconds);
// The bytes of a mono 16-bit PCM WAV file of samples in -1..1.
std::string WavBytes(const std::vector<float>& samples, int rate);
// The bytes of a sound file that libsndfile writes in this format (SF_FORMAT_
// values) from interleaved samples, with the channel map when one is given.
std::string SoundFileBytes(const std::vector<float>& interleaved, int rate, int channels,
                           int format, const std::vector<int>& channelMap = {});

struct DecodedSound {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved
};
DecodedSound ReadSound(const std::string& path);
