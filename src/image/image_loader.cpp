// The extension table and the dispatch to the file readers.
#include "image/image_loader.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "image/picture_readers.h"

namespace {

struct ReaderEntry {
    const char* extension;
    ImageReader reader;
};

// Searched in this order.
constexpr ReaderEntry kReaders[] = {
    {"tga", ReadTgaPicture}, {"bmp", ReadBmpPicture}, {"pcx", ReadPcxPicture},
    {"gif", ReadGifPicture}, {"png", ReadPngPicture},
};

// Three lower-case letters after a dot in the fourth- or fifth-last place, or false.
bool ExtensionOf(const char* path, char extension[4]) {
    const size_t length = std::strlen(path);
    if (length <= 3) return false;
    const char* start;
    if (path[length - 4] == '.') {
        start = path + length - 3;
    } else if (length >= 5 && path[length - 5] == '.') {
        start = path + length - 4;
    } else {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        extension[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(start[i])));
    }
    extension[3] = '\0';
    return true;
}

} // namespace

bool LoadImageFile(const char* path, std::vector<uint8_t>& pixels, uint32_t& width,
                   uint32_t& height, uint32_t& depth) {
    char extension[4];
    if (ExtensionOf(path, extension)) {
        for (const ReaderEntry& entry : kReaders) {
            if (std::strcmp(entry.extension, extension) != 0) continue;
            if (entry.reader(path, pixels, width, height, depth)) return true;
            std::printf("[ERROR] Unable to load %s\n", path);
            return false;
        }
    }
    std::printf("[ERROR] Unsupported file format %s\n", path);
    return false;
}
