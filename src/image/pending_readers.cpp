// Placeholders until each picture reader lands.
#include "image/picture_file.h"
#include "image/picture_readers.h"

namespace {
bool NotYet(std::span<const uint8_t>, const char*, ImageRecord&) { return false; }
}  // namespace

#define PENDING_READER(Format)                                                            \
  bool Read##Format##Picture(const char* path, std::vector<uint8_t>& pixels, uint32_t& w, \
                             uint32_t& h, uint32_t& d) {                                  \
    return ReadPictureFile(path, NotYet, pixels, w, h, d);                                \
  }                                                                                       \
  bool Decode##Format##Picture(std::span<const uint8_t> f, const char* n, ImageRecord& o) { \
    return NotYet(f, n, o);                                                               \
  }
PENDING_READER(Bmp)
PENDING_READER(Pcx)
PENDING_READER(Tga)
PENDING_READER(Gif)
PENDING_READER(Png)
