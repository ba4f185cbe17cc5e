// Feeds arbitrary bytes to the PNG decoder; a picture it accepts must be consistent.
// Chunk checksums are put right first, so that mutations reach past libpng's CRC checks.
#include <cstdlib>
#include <vector>

#include "image/picture_readers.h"

namespace {

uint32_t Crc32(const uint8_t* bytes, size_t count) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void FixChunkChecksums(std::vector<uint8_t>& file) {
    size_t position = 8;
    while (position + 12 <= file.size()) {
        const uint32_t length = (uint32_t{file[position]} << 24) | (file[position + 1] << 16) |
                                (file[position + 2] << 8) | file[position + 3];
        if (length > file.size() - position - 12) return;
        const uint32_t crc = Crc32(&file[position + 4], length + 4);
        uint8_t* stored = &file[position + 8 + length];
        for (int i = 0; i < 4; ++i)
            stored[i] = uint8_t(crc >> (24 - 8 * i));
        position += 12 + length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    FixChunkChecksums(file);
    ImageRecord image;
    if (DecodePngPicture(file, "fuzz", image) &&
        image.pixels.size() != size_t{image.width} * image.height * image.depth) {
        std::abort();
    }
    return 0;
}
