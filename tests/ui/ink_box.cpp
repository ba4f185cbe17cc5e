#include "ink_box.h"

#include <algorithm>
#include <cstdlib>

namespace {

template <typename Marked>
InkBox boxOf(const FramePixels& frame, int x0, int y0, int x1, int y1, Marked marked) {
    InkBox box{x1, y1, x0 - 1, y0 - 1, 0};
    for (int y = std::max(0, y0); y < std::min(FramePixels::kSize, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(FramePixels::kSize, x1); ++x) {
            if (!marked(frame.pixel(x, y))) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                   std::max(box.bottom, y), box.count + 1};
        }
    return box;
}

} // namespace

InkBox inkBox(const FramePixels& frame, int x0, int y0, int x1, int y1, int limit) {
    return boxOf(frame, x0, y0, x1, y1,
                 [limit](Pixel p) { return p.r < limit && p.g < limit && p.b < limit; });
}

InkBox boxUnlike(const FramePixels& frame, Pixel background, int x0, int y0, int x1, int y1) {
    return boxOf(frame, x0, y0, x1, y1, [background](Pixel p) {
        return std::abs(p.r - background.r) > 3 || std::abs(p.g - background.g) > 3 ||
               std::abs(p.b - background.b) > 3;
    });
}
