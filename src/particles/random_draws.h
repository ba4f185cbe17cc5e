// The emitters' random numbers. Every draw takes the next value of the C
// runtime's process-wide rand(), the generator math.random also uses, so a
// script's math.randomseed fixes the particles as well.
#pragma once

#include "scene/attributes.h"

// The next raw value of rand().
int RawDraw();
// (r mod 10000) x 0.0001: a value in [0, 0.9999].
float UnitDraw();
// (10000 - r mod 20000) x 0.0001: a value in [-0.9999, 1].
float SignedDraw();
// A normalised point of the cube from three signed draws s1, s2, s3, taken as
// (s3, s2, s1); three more are drawn while all three are zero. w is 1.
XVector BirthDirection();
