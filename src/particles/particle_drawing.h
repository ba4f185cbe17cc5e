// Drawing particles in batches from vertex arrays. Each function gives the
// pixels of drawing the particles one by one in array order, each with its own
// glBegin/glEnd, and leaves the current colour, point size and line width as
// that would; blending and other switches are the caller's.
#pragma once

#include <vector>

#include "particles/particle_system.h"

// A point per particle in its colour, at its own size in pixels. A size that
// glPointSize would refuse (0, negative, NaN) keeps the size before it.
void DrawSizedPoints(const std::vector<Particle>& particles);

// A point per particle in its colour, at the current point size.
void DrawPoints(const std::vector<Particle>& particles);

// A line per particle, as wide as its size (a refused width keeps the one
// before), from its position in its colour to where it was `streakSeconds`
// earlier in `tailColour`.
void DrawStreaks(const std::vector<Particle>& particles, float streakSeconds,
                 const XColour& tailColour);
