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

// An open sound file read as frames of one or two channels: files of more
// channels are mixed down to stereo as they are read.
class SoundFile {
  public:
    SoundFile() = default;
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    // kErrNone, or kErrFileNotFound or kErrFileFormat.
    int Open(const char* path);
    int Channels() const { return stereo_ ? 2 : info_.channels; }
    int Rate() const { return info_.samplerate; }
    // Reads up to `frames` frames; returns how many, 0 at the end.
    sf_count_t Read(short* out, sf_count_t frames);
    // Back to the first frame.
    bool Rewind();
    // Whether at least one frame decodes; Read still gives that frame first.
    bool HasFrames();

  private:
    sf_count_t Decode(short* out, sf_count_t frames);
    sf_count_t MixDown(short* out, sf_count_t frames);

    SNDFILE* file_ = nullptr;
    SF_INFO info_{};
    bool stereo_ = false;             // mixed down from more than two channels
    std::vector<float> left_, right_; // each source channel's share of the two sides
    std::vector<short> source_;
    short peek_[2] = {};
    bool peeked_ = false; // peek_ holds the next frame
};

struct DecodedSound {
    std::vector<short> pcm; // interleaved frames
    int rate = 0;
    int channels = 0;
};

// Decodes a whole file into memory. Returns kErrNone, or the code of the
// failure (not found, unknown format, too large, nothing decodable).
int DecodeSoundFile(const char* path, DecodedSound* sound);

} // namespace SoundDevice
