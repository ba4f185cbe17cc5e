// The video view: an open video's texture stretched over the view.
#pragma once

#include <cstdint>

#include "ui/control.h"

namespace ui {

// The `data` of a video view: the id of the video it shows.
struct VideoViewData {
    uint32_t videoId = 0;
};

// setInt chooses the video; an id with no open video shows nothing.
extern const ControlClass videoViewClass;

} // namespace ui
