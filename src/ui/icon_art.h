// The icon artwork, drawn into pixel canvases. No GL.
#pragma once

#include "ui/pixel_canvas.h"

namespace ui {

// The icon as designed: iconSize(id) square, transparent background.
// Ids 1-17 use at most five opaque colours (they are stored as one-bit layers).
PixelCanvas drawIconArt(int id);

} // namespace ui
