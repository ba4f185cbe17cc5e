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
        (sound.pcm.empty() || sound.channels < 1 || sound.channels > 2 ||
         sound.pcm.size() % sound.channels != 0))
        std::abort();

    SoundFile file;
    if (file.Open(path) != kErrNone || !file.HasFrames()) return 0;
    std::vector<short> chunk(static_cast<size_t>(kFileChunkFrames) * file.Channels());
    file.Read(chunk.data(), kFileChunkFrames);
    if (file.Rewind()) file.Read(chunk.data(), kFileChunkFrames);
    return 0;
}
