// The image view: a picture of the image library, drawn at the view's place.
#pragma once

#include <cstdint>

#include "ui/control.h"

namespace ui {

// The `data` of an image view: the id of the picture it shows.
struct ImageViewData {
    uint16_t pictureId = 0;
};

// setInt chooses the picture; an id the image library does not know shows nothing.
extern const ControlClass imageViewClass;

} // namespace ui
