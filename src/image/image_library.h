// The script-visible image table: pictures loaded by path under 16-bit ids.
//
// Ids count up from 1 and never restart, not even after ImageDeleteAll; when
// the counter wraps it skips 0 (which reports a failed load) and every id still
// in use, so one id never names two pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/image_record.h"

class ImageTable {
  public:
    // Takes the picture and returns its new id, or 0 when every id is in use.
    uint16_t Add(ImageRecord picture);
    // Null for an unknown id.
    const ImageRecord* Find(uint16_t id) const;
    // Later entries keep their order; an unknown id does nothing.
    void Delete(uint16_t id);
    void Clear();
    size_t Count() const { return entries_.size(); }
    bool Full() const { return entries_.size() >= kMaxImages; }

  private:
    static constexpr size_t kMaxImages = 65535;
    struct Entry {
        uint16_t id;
        ImageRecord picture;
    };
    std::vector<Entry> entries_;
    uint16_t lastId_ = 0;
    bool wrapped_ = false;
};

// The process-wide table behind the script functions.
ImageTable& Images();

// Prints what went wrong and returns 0 when the picture cannot be loaded.
uint16_t ImageLoad(const char* path);
// Draws the picture's pixels with the raster position at (x, y + height), in
// whatever projection is current; false for an unknown id.
bool ImageDraw(uint16_t id, int32_t x, int32_t y);
void ImageDelete(uint16_t id);
// Also run by the shell at exit.
void ImageDeleteAll();
