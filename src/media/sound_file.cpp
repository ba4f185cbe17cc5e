#include "media/sound_file.h"

#include <filesystem>

#include "media/sound_device.h"

namespace SoundDevice {

SNDFILE* OpenSoundFile(const char* path, SF_INFO* info, int* error) {
    std::error_code ignored;
    if (!path || !std::filesystem::is_regular_file(path, ignored)) {
        *error = kErrFileNotFound;
        return nullptr;
    }
    *info = SF_INFO{};
    SNDFILE* file = sf_open(path, SFM_READ, info);
    if (!file) {
        *error = kErrFileFormat;
        return nullptr;
    }
    if (info->channels < 1 || info->channels > 2 || info->samplerate <= 0) {
        sf_close(file);
        *error = kErrFileFormat;
        return nullptr;
    }
    return file;
}

int DecodeSoundFile(const char* path, DecodedSound* sound) {
    SF_INFO info;
    int error = kErrNone;
    SNDFILE* file = OpenSoundFile(path, &info, &error);
    if (!file) return error;
    // The header's frame count is not trusted: read until the decoder stops.
    std::vector<short> pcm;
    std::vector<short> chunk(static_cast<size_t>(kFileChunkFrames) * info.channels);
    for (;;) {
        sf_count_t got = sf_readf_short(file, chunk.data(), kFileChunkFrames);
        if (got <= 0) break;
        size_t values = static_cast<size_t>(got) * info.channels;
        if ((pcm.size() + values) * sizeof(short) > kMaxSampleBytes) {
            error = kErrMemory;
            break;
        }
        pcm.insert(pcm.end(), chunk.begin(), chunk.begin() + values);
    }
    sf_close(file);
    if (error != kErrNone) return error;
    if (pcm.empty()) return kErrFileLoad;
    sound->pcm = std::move(pcm);
    sound->rate = info.samplerate;
    sound->channels = info.channels;
    return kErrNone;
}

} // namespace SoundDevice
