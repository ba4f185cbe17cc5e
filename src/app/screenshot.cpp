#include "app/screenshot.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>

std::vector<uint8_t> ReadBackBuffer(int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

bool WriteScreenshotPng(const std::string& path, int width, int height,
                        const std::vector<uint8_t>& rgbaBottomUp) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        fprintf(stderr, "[ERROR] Unable to write screenshot %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y)
        rows[y] = const_cast<png_bytep>(&rgbaBottomUp[static_cast<size_t>(height - 1 - y) * width * 4]);
    bool ok = info && !setjmp(png_jmpbuf(png));
    if (ok) {
        png_init_io(png, file);
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_write_image(png, rows.data());
        png_write_end(png, nullptr);
    }
    png_destroy_write_struct(&png, &info);
    fclose(file);
    if (!ok) fprintf(stderr, "[ERROR] Unable to write screenshot %s\n", path.c_str());
    return ok;
}
