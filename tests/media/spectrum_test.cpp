#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "media/spectrum.h"

TEST(Spectrum, FullScaleSineFillsItsBinAndSilenceIsZero) {
    const int bin = 40;
    std::vector<float> sine(kSpectrumWindow), silence(kSpectrumWindow);
    for (size_t i = 0; i < kSpectrumWindow; ++i)
        sine[i] = std::sin(2 * std::numbers::pi * bin * i / kSpectrumWindow);
    std::vector<float> magnitudes(kSpectrumWindow / 2);
    ComputeSpectrum(sine.data(), magnitudes.data());
    auto peak = std::ranges::max_element(magnitudes);
    EXPECT_EQ(peak - magnitudes.begin(), bin);
    EXPECT_NEAR(*peak, 1.0f, 0.01f);
    EXPECT_LT(magnitudes[bin + 3], 0.01f);
    ComputeSpectrum(silence.data(), magnitudes.data());
    EXPECT_EQ(*std::ranges::max_element(magnitudes), 0.0f);
}
