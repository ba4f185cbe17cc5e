#include "ink_box.h"

#include <algorithm>

InkBox inkBox(const FramePixels& frame, int x0, int y0, int x1, int y1, int limit) {
    InkBox box{x1, y1, x0 - 1, y0 - 1, 0};
    for (int y = std::max(0, y0); y < std::min(FramePixels::kSize, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(FramePixels::kSize, x1); ++x) {
            const Pixel p = frame.pixel(x, y);
            if (p.r >= limit || p.g >= limit || p.b >= limit) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                   std::max(box.bottom, y), box.count + 1};
        }
    return box;
}
