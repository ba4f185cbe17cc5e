// The extension table and the dispatch to the file readers.
#include "image/image_loader.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "image/picture_file.h"
#include "image/picture_readers.h"
#include "platform/file_contents.h"

namespace {

struct ReaderEntry {
    const char* extension;
    ImageReader decode;
    const char* unreadable; // printed when the file cannot be read; null for silence
};

// Searched in this order.
constexpr ReaderEntry kReaders[] = {
    {"tga", DecodeTgaPicture, nullptr},
    {"bmp", DecodeBmpPicture, nullptr},
    {"pcx", DecodePcxPicture, nullptr},
    {"gif", DecodeGifPicture, nullptr},
    {"png", DecodePngPicture, "[ERROR] File could not be opened for reading {$s}\n"},
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

// The first table row for the path's extension, or null.
const ReaderEntry* ReaderFor(const char* path) {
    char extension[4];
    if (!ExtensionOf(path, extension)) return nullptr;
    for (const ReaderEntry& entry : kReaders) {
        if (std::strcmp(entry.extension, extension) == 0) return &entry;
    }
    return nullptr;
}

// Reads the file and decodes it, with the reader's message when the file cannot be read.
bool ReadAndDecode(const ReaderEntry& reader, const char* path, ImageRecord& record) {
    std::string file;
    if (platform::ReadFileContents(path, kMaxPictureFileBytes, file))
        return reader.decode({reinterpret_cast<const uint8_t*>(file.data()), file.size()}, path, record);
    if (reader.unreadable) std::fputs(reader.unreadable, stdout);
    return false;
}

} // namespace

bool LoadImageFile(const char* path, ImageRecord& record) {
    const ReaderEntry* reader = ReaderFor(path);
    if (!reader) {
        std::printf("[ERROR] Unsupported file format %s\n", path);
    } else if (ReadAndDecode(*reader, path, record)) {
        return true;
    } else {
        std::printf("[ERROR] Unable to load %s\n", path);
    }
    record = ImageRecord{};
    return false;
}
