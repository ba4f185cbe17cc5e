// Magnitude spectrum of a block of audio, for the music visualisation.
#pragma once

#include <cstddef>

constexpr size_t kSpectrumWindow = 1024; // samples in; half as many magnitudes out

// Magnitudes of the Hann-windowed block `samples` (kSpectrumWindow values in
// -1..1) into `magnitudes` (kSpectrumWindow / 2 values): a full-scale sine
// gives 1 in its bin; every value is clamped to 0..1.
void ComputeSpectrum(const float* samples, float* magnitudes);
