// The colour of text drawn over white, read back from its pixels.
#pragma once

#include <functional>

#include "support/png_image.h"

// A colour given as fractions of full brightness.
Rgba unitColour(float r, float g, float b);
// The pixel of [x0, x1) x [y0, y1) furthest from white, read through `at`.
Rgba darkestPixel(int x0, int y0, int x1, int y1, const std::function<Rgba(int, int)>& at);
// Whether a pixel is `colour` laid over white at a coverage of at least a
// half: the edges of strokes that no pixel holds whole still tell it.
bool isShadeOf(const Rgba& ink, const Rgba& colour);
