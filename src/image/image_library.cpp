#include "image/image_library.h"

#include <GL/gl.h>

#include <cstdio>
#include <utility>

#include "image/image_loader.h"

uint16_t ImageTable::Add(ImageRecord picture) {
    if (Full()) return 0;
    // Until the counter first wraps, no id ahead of it can be in use.
    do {
        if (++lastId_ == 0) wrapped_ = true;
    } while (lastId_ == 0 || (wrapped_ && Find(lastId_)));
    entries_.push_back(Entry{lastId_, std::move(picture)});
    return lastId_;
}

const ImageRecord* ImageTable::Find(uint16_t id) const {
    for (const Entry& entry : entries_)
        if (entry.id == id) return &entry.picture;
    return nullptr;
}

void ImageTable::Delete(uint16_t id) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if (entry->id == id) {
            entries_.erase(entry);
            return;
        }
    }
}

void ImageTable::Clear() {
    entries_.clear();
    entries_.shrink_to_fit();
}

namespace {
// A namespace-scope object outlives the shell's exit handler, which empties it;
// a function-local static would be destroyed first.
ImageTable images;
} // namespace

ImageTable& Images() {
    return images;
}

uint16_t ImageLoad(const char* path) {
    ImageTable& table = Images();
    ImageRecord picture;
    if (table.Full()) {
        printf("[ERROR] Too many images loaded\n");
    } else if (LoadImageFile(path, picture)) {
        return table.Add(std::move(picture));
    }
    printf("Unable to load %s\n", path);
    return 0;
}

bool ImageDraw(uint16_t id, int32_t x, int32_t y) {
    const ImageRecord* picture = Images().Find(id);
    if (!picture) return false;
    GLenum format = 0;
    switch (picture->depth) {
    case 1:
        format = GL_ALPHA;
        break;
    case 3:
        format = GL_RGB;
        break;
    case 4:
        format = GL_RGBA;
        break;
    default:
        return true; // a depth GL cannot draw shows nothing
    }
    // Rows are unpadded; any other alignment would read past the end of each row.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // In doubles, so a y near the integer limit cannot overflow.
    glRasterPos2d(x, static_cast<double>(y) + picture->height);
    glDrawPixels(picture->width, picture->height, format, GL_UNSIGNED_BYTE, picture->pixels.data());
    return true;
}

void ImageDelete(uint16_t id) {
    Images().Delete(id);
}

void ImageDeleteAll() {
    Images().Clear();
}
