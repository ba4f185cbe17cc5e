// PNG pictures through libpng. Samples arrive as the file stores them (palette pictures as
// indices), except that 16-bit samples are scaled to 8 bits and packed samples of fewer
// than 8 bits are spread to one byte each, so that every row matches the record layout.
#include <png.h>

#include <cstdio>
#include <cstring>

#include "image/picture_file.h"
#include "image/picture_readers.h"

namespace {

struct PngSource {
    const uint8_t* data;
    size_t size;
    size_t position;
};

void ReadFromMemory(png_structp png, png_bytep into, size_t count) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->size - source->position) png_error(png, "unexpected end of file");
    std::memcpy(into, source->data + source->position, count);
    source->position += count;
}

// libpng reports errors by jumping back into the function that set the jump point: these
// two keep no objects with destructors alive for it to skip.

bool ReadHeader(png_structp png, png_infop info, PngSource* source) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, source, ReadFromMemory);
    png_set_sig_bytes(png, 8);
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    png_read_info(png, info);
    const int bit_depth = png_get_bit_depth(png, info);
    if (bit_depth == 16) png_set_scale_16(png);
    if (bit_depth < 8) {
        if (png_get_color_type(png, info) == PNG_COLOR_TYPE_GRAY) {
            png_set_expand_gray_1_2_4_to_8(png);
        } else {
            png_set_packing(png);
        }
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}

class PngReadStruct {
  public:
    PngReadStruct()
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {}
    ~PngReadStruct() { png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr); }
    PngReadStruct(const PngReadStruct&) = delete;
    PngReadStruct& operator=(const PngReadStruct&) = delete;
    bool CreateInfo() { return (info_ = png_create_info_struct(png_)) != nullptr; }
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

  private:
    png_structp png_;
    png_infop info_ = nullptr;
};

} // namespace

bool DecodePngPicture(std::span<const uint8_t> file, const char* name, ImageRecord& out) {
    if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) {
        std::printf("[ERROR] File is not recognized as a PNG file {$s}\n");
        return false;
    }
    PngReadStruct read;
    if (!read.png()) {
        std::printf("[ERROR] png_create_read_struct failed {$s}\n");
        return false;
    }
    if (!read.CreateInfo()) {
        std::printf("[ERROR] png_create_info_struct failed {$s}\n");
        return false;
    }
    PngSource source{file.data(), file.size(), 8};
    if (!ReadHeader(read.png(), read.info(), &source)) {
        std::printf("[ERROR] init_io failure {%s}\n", name);
        return false;
    }
    const uint32_t width = png_get_image_width(read.png(), read.info());
    const uint32_t height = png_get_image_height(read.png(), read.info());
    const uint32_t depth = png_get_channels(read.png(), read.info());
    if (!PictureSizeAllowed(width, height, depth) ||
        png_get_rowbytes(read.png(), read.info()) != size_t{width} * depth) {
        PrintUnsupportedSize(name, width, height);
        return false;
    }

    out.width = width;
    out.height = height;
    out.depth = depth;
    out.pixels.resize(size_t{width} * height * depth);
    // The file's top row goes last: the record keeps the bottom row first.
    std::vector<png_bytep> rows(height);
    for (uint32_t y = 0; y < height; ++y) {
        rows[y] = out.pixels.data() + size_t{height - 1 - y} * width * depth;
    }
    if (!ReadRows(read.png(), rows.data())) {
        std::printf("[ERROR] Error during read_image {%s}\n", name);
        return false;
    }
    return true;
}
