// Where the dark pixels of a rendered frame lie: the box around them.
#pragma once

#include "frame_fixture.h"

struct InkBox {
    int left = 0, top = 0, right = 0, bottom = 0; // inclusive; meaningless when count is 0
    int count = 0;
};

// The dark pixels (red, green and blue below `limit`) inside [x0, x1) x [y0, y1).
InkBox inkBox(const FramePixels& frame, int x0, int y0, int x1, int y1, int limit = 128);
// The pixels inside [x0, x1) x [y0, y1) that differ from `background` by more
// than 3 in any channel.
InkBox boxUnlike(const FramePixels& frame, Pixel background, int x0, int y0, int x1, int y1);
