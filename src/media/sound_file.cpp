#include "media/sound_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "media/sound_device.h"
#include "media/vorbis_headers.h"

namespace SoundDevice {

namespace {

enum class Side { Left, Right, Centre, None };

// Where a channel of the file is heard, from the file's own channel map.
Side SideOf(int position) {
    switch (position) {
    case SF_CHANNEL_MAP_LEFT: case SF_CHANNEL_MAP_FRONT_LEFT: case SF_CHANNEL_MAP_REAR_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER: case SF_CHANNEL_MAP_SIDE_LEFT:
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT: case SF_CHANNEL_MAP_TOP_REAR_LEFT:
        return Side::Left;
    case SF_CHANNEL_MAP_RIGHT: case SF_CHANNEL_MAP_FRONT_RIGHT: case SF_CHANNEL_MAP_REAR_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER: case SF_CHANNEL_MAP_SIDE_RIGHT:
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT: case SF_CHANNEL_MAP_TOP_REAR_RIGHT:
        return Side::Right;
    // Low frequencies are left out, as are the directional parts of B-format.
    case SF_CHANNEL_MAP_LFE: case SF_CHANNEL_MAP_AMBISONIC_B_X: case SF_CHANNEL_MAP_AMBISONIC_B_Y:
    case SF_CHANNEL_MAP_AMBISONIC_B_Z:
        return Side::None;
    default:
        return Side::Centre;
    }
}

// Without a map, the usual order of WAV files: front pair, centre,
// low frequencies, back pair, side pair (quad is both pairs alone).
Side DefaultSideOf(int channel, int channels) {
    static const char* const layouts[] = {"LRC", "LRLR", "LRCLR", "LRCNLR", "LRCNCLR", "LRCNLRLR"};
    const char* layout = layouts[std::min(channels, 8) - 3];
    if (channel >= static_cast<int>(strlen(layout))) return Side::Centre;
    switch (layout[channel]) {
    case 'L': return Side::Left;
    case 'R': return Side::Right;
    case 'N': return Side::None;
    default: return Side::Centre;
    }
}

// Scales the shares so that no sum of full-scale channels can clip.
void Normalise(std::vector<float>& shares) {
    float sum = 0.0f;
    for (float share : shares) sum += share;
    if (sum > 1.0f)
        for (float& share : shares) share /= sum;
}

short ToShort(float value) {
    return static_cast<short>(std::clamp(std::lrint(value), -32768L, 32767L));
}

} // namespace

SoundFile::~SoundFile() {
    if (file_) sf_close(file_);
}

int SoundFile::Open(const char* path) {
    std::error_code ignored;
    if (!path || !std::filesystem::is_regular_file(path, ignored)) return kErrFileNotFound;
    if (!VorbisHeadersReadable(path)) return kErrFileFormat;
    info_ = SF_INFO{};
    file_ = sf_open(path, SFM_READ, &info_);
    if (!file_) return kErrFileFormat;
    int channels = info_.channels;
    if (channels < 1 || info_.samplerate <= 0) {
        sf_close(file_);
        file_ = nullptr;
        return kErrFileFormat;
    }
    stereo_ = channels > 2;
    if (!stereo_) return kErrNone;

    // Some readers report a map they never filled in: one naming positions
    // that do not exist is not used.
    std::vector<int> map(channels);
    bool mapped = sf_command(file_, SFC_GET_CHANNEL_MAP_INFO, map.data(),
                             static_cast<int>(map.size() * sizeof(int))) == SF_TRUE &&
                  std::ranges::all_of(map, [](int position) {
                      return position > SF_CHANNEL_MAP_INVALID && position < SF_CHANNEL_MAP_MAX;
                  });
    left_.assign(channels, 0.0f);
    right_.assign(channels, 0.0f);
    for (int channel = 0; channel < channels; ++channel) {
        switch (mapped ? SideOf(map[channel]) : DefaultSideOf(channel, channels)) {
        case Side::Left: left_[channel] = 1.0f; break;
        case Side::Right: right_[channel] = 1.0f; break;
        case Side::Centre: left_[channel] = right_[channel] = std::sqrt(0.5f); break;
        case Side::None: break;
        }
    }
    Normalise(left_);
    Normalise(right_);
    return kErrNone;
}

sf_count_t SoundFile::Read(short* out, sf_count_t frames) {
    if (!file_) return 0;
    return stereo_ ? MixDown(out, frames) : sf_readf_short(file_, out, frames);
}

sf_count_t SoundFile::MixDown(short* out, sf_count_t frames) {
    int channels = info_.channels;
    // Files may have up to a thousand channels: read a bounded piece at a time.
    sf_count_t piece = std::max<sf_count_t>(1, kFileChunkFrames * 2 / channels);
    source_.resize(static_cast<size_t>(std::min(piece, frames)) * channels);
    sf_count_t done = 0;
    while (done < frames) {
        sf_count_t got = sf_readf_short(file_, source_.data(), std::min(piece, frames - done));
        if (got <= 0) break;
        for (sf_count_t frame = 0; frame < got; ++frame, ++done) {
            const short* in = &source_[static_cast<size_t>(frame) * channels];
            float left = 0.0f, right = 0.0f;
            for (int channel = 0; channel < channels; ++channel) {
                left += in[channel] * left_[channel];
                right += in[channel] * right_[channel];
            }
            out[done * 2] = ToShort(left);
            out[done * 2 + 1] = ToShort(right);
        }
    }
    return done;
}

bool SoundFile::Rewind() { return file_ && sf_seek(file_, 0, SEEK_SET) == 0; }

bool SoundFile::HasFrames() {
    short frame[2];
    return Read(frame, 1) == 1 && Rewind();
}

int DecodeSoundFile(const char* path, DecodedSound* sound) {
    SoundFile file;
    int error = file.Open(path);
    if (error != kErrNone) return error;
    // The header's frame count is not trusted: read until the decoder stops.
    int channels = file.Channels();
    std::vector<short> pcm;
    std::vector<short> chunk(static_cast<size_t>(kFileChunkFrames) * channels);
    for (;;) {
        sf_count_t got = file.Read(chunk.data(), kFileChunkFrames);
        if (got <= 0) break;
        size_t values = static_cast<size_t>(got) * channels;
        if ((pcm.size() + values) * sizeof(short) > kMaxSampleBytes) return kErrMemory;
        pcm.insert(pcm.end(), chunk.begin(), chunk.begin() + values);
    }
    if (pcm.empty()) return kErrFileLoad;
    sound->pcm = std::move(pcm);
    sound->rate = file.Rate();
    sound->channels = channels;
    return kErrNone;
}

} // namespace SoundDevice
