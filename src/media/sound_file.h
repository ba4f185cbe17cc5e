// Reading sound files with libsndfile into 16-bit frames. Needs no output
// device; the sound layer builds its samples and streams on this.
#pragma once

#include <sndfile.h>

#include <cstddef>
#include <vector>

namespace SoundDevice {

// Frames read from a file at a time, for streams and for whole samples alike.
constexpr sf_count_t kFileChunkFrames = 8192;
// Refuse to decode more than this into memory (a quarter of a gigabyte).
constexpr size_t kMaxSampleBytes = size_t(1) << 28;

// Opens a file of one or two channels at a positive rate. Null on failure,
// with *error set to kErrFileNotFound or kErrFileFormat.
SNDFILE* OpenSoundFile(const char* path, SF_INFO* info, int* error);

struct DecodedSound {
    std::vector<short> pcm; // interleaved frames
    int rate = 0;
    int channels = 0;
};

// Decodes a whole file into memory. Returns kErrNone, or the code of the
// failure (not found, unknown format, too large, nothing decodable).
int DecodeSoundFile(const char* path, DecodedSound* sound);

} // namespace SoundDevice
