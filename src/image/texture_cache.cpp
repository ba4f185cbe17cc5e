#include "image/texture_cache.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <vector>

#include "image/image_loader.h"

namespace {

// In order of loading; the cache holds a handful of pictures, so searches are linear.
std::vector<TextureRecord> records;
uint32_t lastId = 0;

TextureRecord* FindRecord(uint32_t id) {
    for (TextureRecord& record : records)
        if (record.id == id) return &record;
    return nullptr;
}

// Depth may come in bytes or in bits per pixel; 0 for anything else.
GLenum PixelFormat(uint32_t depth) {
    switch (depth) {
    case 1:
    case 8:
        return GL_ALPHA;
    case 3:
    case 24:
        return GL_RGB;
    case 4:
    case 32:
        return GL_RGBA;
    default:
        return 0;
    }
}

// An unsupported depth keeps the texture name without an image.
GLuint UploadTexture(const ImageRecord& picture) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    GLenum format = PixelFormat(picture.depth);
    if (format == 0) {
        printf("Unsupported pixel data format\n");
        return texture;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, format, picture.width, picture.height, format,
                      GL_UNSIGNED_BYTE, picture.pixels.data());
    return texture;
}

} // namespace

uint32_t AcquireTexture(const char* path) {
    for (TextureRecord& record : records) {
        if (record.path == path) {
            ++record.references;
            return record.id;
        }
    }
    // The decoded pixels only pass through on their way to GL.
    ImageRecord picture;
    if (!LoadImageFile(path, picture)) {
        printf("[ERROR] Unable to load sprite %s\n", path);
        return 0;
    }
    TextureRecord record;
    record.id = ++lastId;
    record.texture = UploadTexture(picture);
    record.references = 1;
    record.path = path;
    records.push_back(std::move(record));
    return lastId;
}

void ReleaseTexture(uint32_t id) {
    TextureRecord* record = FindRecord(id);
    if (!record || --record->references > 0) return;
    glDeleteTextures(1, &record->texture);
    records.erase(records.begin() + (record - records.data()));
}

void BindTexture(uint32_t id) {
    if (const TextureRecord* record = FindRecord(id)) glBindTexture(GL_TEXTURE_2D, record->texture);
}

const TextureRecord* FindTexture(uint32_t id) {
    return FindRecord(id);
}
