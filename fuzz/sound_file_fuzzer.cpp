// Decodes arbitrary bytes as a sound file, whole as for a sample and in
// chunks with a rewind as for looping music.
#include <cstdlib>
#include <vector>

#include "fuzz_input_file.h"
#include "media/sound_device.h"
#include "media/sound_file.h"

using namespace SoundDevice;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input;
    const char* path = input.Write(data, size);
    DecodedSound sound;
    if (DecodeSoundFile(path, &sound) == kErrNone &&
        (sound.pcm.empty() || sound.pcm.size() % sound.channels != 0))
        std::abort();

    SF_INFO info;
    int error = kErrNone;
    SNDFILE* file = OpenSoundFile(path, &info, &error);
    if (!file) return 0;
    std::vector<short> chunk(static_cast<size_t>(kFileChunkFrames) * info.channels);
    sf_readf_short(file, chunk.data(), kFileChunkFrames);
    if (sf_seek(file, 0, SEEK_SET) == 0) sf_readf_short(file, chunk.data(), kFileChunkFrames);
    sf_close(file);
    return 0;
}
