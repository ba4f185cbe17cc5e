#include "media/sound_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "media/sound_device.h"
#include "media/vorbis_headers.h"

namespace SoundDevice {

namespace {

enum class Side { Left, Right, Centre, None };

// Where a channel of the file is heard, from the file's own channel map.
Side SideOf(int position) {
    switch (position) {
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT:
    case SF_CHANNEL_MAP_REAR_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER:
    case SF_CHANNEL_MAP_SIDE_LEFT:
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
    case SF_CHANNEL_MAP_TOP_REAR_LEFT:
        return Side::Left;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_REAR_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER:
    case SF_CHANNEL_MAP_SIDE_RIGHT:
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_TOP_REAR_RIGHT:
        return Side::Right;
    // Low frequencies are left out, as are the directional parts of B-format.
    case SF_CHANNEL_MAP_LFE:
    case SF_CHANNEL_MAP_AMBISONIC_B_X:
    case SF_CHANNEL_MAP_AMBISONIC_B_Y:
    case SF_CHANNEL_MAP_AMBISONIC_B_Z:
        return Side::None;
    default:
        return Side::Centre;
    }
}

// Without a map, the order of WAV files: front pair, centre, low frequencies,
// back pair, side pair; quad is the front and back pairs alone.
int DefaultPosition(int channel, int channels) {
    constexpr int L = SF_CHANNEL_MAP_LEFT, R = SF_CHANNEL_MAP_RIGHT, C = SF_CHANNEL_MAP_CENTER,
                  LFE = SF_CHANNEL_MAP_LFE, BL = SF_CHANNEL_MAP_REAR_LEFT,
                  BR = SF_CHANNEL_MAP_REAR_RIGHT, BC = SF_CHANNEL_MAP_REAR_CENTER,
                  SL = SF_CHANNEL_MAP_SIDE_LEFT, SR = SF_CHANNEL_MAP_SIDE_RIGHT;
    static constexpr int kLayouts[][8] = {
        {L, R, C},
        {L, R, BL, BR},
        {L, R, C, BL, BR},
        {L, R, C, LFE, BL, BR},
        {L, R, C, LFE, BC, SL, SR},
        {L, R, C, LFE, BL, BR, SL, SR},
    };
    return channel < 8 ? kLayouts[std::min(channels, 8) - 3][channel] : SF_CHANNEL_MAP_INVALID;
}

bool HasChannelMask(int format) {
    switch (format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
    case SF_FORMAT_WAVEX:
    case SF_FORMAT_RF64:
    case SF_FORMAT_W64:
        return true;
    default:
        return false;
    }
}

// Scales the shares so that no sum of full-scale channels can clip.
void Normalise(std::vector<float>& shares) {
    float sum = 0.0f;
    for (float share : shares)
        sum += share;
    if (sum > 1.0f)
        for (float& share : shares)
            share /= sum;
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

    // Only the WAV family's maps are asked for: libsndfile builds them with an
    // entry per channel from the channel mask, where its maps from layout tags
    // (AIFF, CAF) may be shorter than the channel count it copies. An entry
    // the mask left unnamed makes the whole map unused.
    std::vector<int> map(channels);
    bool mapped = HasChannelMask(info_.format) &&
                  sf_command(file_, SFC_GET_CHANNEL_MAP_INFO, map.data(),
                             static_cast<int>(map.size() * sizeof(int))) == SF_TRUE &&
                  std::ranges::all_of(map, [](int position) {
                      return position > SF_CHANNEL_MAP_INVALID && position < SF_CHANNEL_MAP_MAX;
                  });
    left_.assign(channels, 0.0f);
    right_.assign(channels, 0.0f);
    for (int channel = 0; channel < channels; ++channel) {
        switch (SideOf(mapped ? map[channel] : DefaultPosition(channel, channels))) {
        case Side::Left:
            left_[channel] = 1.0f;
            break;
        case Side::Right:
            right_[channel] = 1.0f;
            break;
        case Side::Centre:
            left_[channel] = right_[channel] = std::sqrt(0.5f);
            break;
        case Side::None:
            break;
        }
    }
    Normalise(left_);
    Normalise(right_);
    return kErrNone;
}

sf_count_t SoundFile::Read(short* out, sf_count_t frames) {
    if (!file_ || frames <= 0) return 0;
    sf_count_t done = 0;
    if (peeked_) {
        std::copy_n(peek_, Channels(), out);
        peeked_ = false;
        done = 1;
    }
    return done + Decode(out + done * Channels(), frames - done);
}

sf_count_t SoundFile::Decode(short* out, sf_count_t frames) {
    if (frames <= 0) return 0;
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

bool SoundFile::Rewind() {
    peeked_ = false;
    return file_ && sf_seek(file_, 0, SEEK_SET) == 0;
}

// The frame is kept rather than sought back over: some decoders (MPEG) give
// slightly different samples after a seek.
bool SoundFile::HasFrames() {
    if (file_ && !peeked_) peeked_ = Decode(peek_, 1) == 1;
    return peeked_;
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
