#include "support/png_image.h"

#include <png.h>

#include <cstdio>

Rgba PngImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {};
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

PngImage ReadPng(const std::string& path) {
    PngImage image;
    png_image decoder{};
    decoder.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&decoder, path.c_str())) return image;
    decoder.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(decoder));
    if (!png_image_finish_read(&decoder, nullptr, pixels.data(), 0, nullptr)) return image;
    image.width = static_cast<int>(decoder.width);
    image.height = static_cast<int>(decoder.height);
    image.rgba = std::move(pixels);
    return image;
}
