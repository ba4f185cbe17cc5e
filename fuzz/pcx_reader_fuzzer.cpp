// Feeds arbitrary bytes to the PCX decoder; a picture it accepts must be consistent.
#include <cstdlib>

#include "image/picture_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ImageRecord image;
    if (DecodePcxPicture({data, size}, "fuzz", image) &&
        image.pixels.size() != size_t{image.width} * image.height * image.depth) {
        std::abort();
    }
    return 0;
}
