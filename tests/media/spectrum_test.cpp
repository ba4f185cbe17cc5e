#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "media/spectrum.h"

TEST(Spectrum, FullScaleSineFillsItsBinAndSilenceIsZero) {
    std::vector<float> block(kSpectrumWindow);
    std::vector<float> magnitudes(kSpectrumWindow / 2, -1.0f);
    const int bin = 40;
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = std::sin(2 * std::numbers::pi * bin * i / kSpectrumWindow);
    ComputeSpectrum(block.data(), magnitudes.data());
    auto peak = std::ranges::max_element(magnitudes);
    EXPECT_EQ(peak - magnitudes.begin(), bin);
    EXPECT_NEAR(*peak, 1.0f, 0.01f);
    EXPECT_LT(magnitudes[bin + 3], 0.01f);
    EXPECT_TRUE(std::ranges::all_of(magnitudes, [](float m) { return m >= 0.0f && m <= 1.0f; }));

    std::ranges::fill(block, 0.0f);
    ComputeSpectrum(block.data(), magnitudes.data());
    EXPECT_TRUE(std::ranges::all_of(magnitudes, [](float m) { return m == 0.0f; }));
}

TEST(Spectrum, OverloadedAndBrokenInputStaysInRange) {
    std::vector<float> block(kSpectrumWindow, 0.0f);
    std::vector<float> magnitudes(kSpectrumWindow / 2);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = (i % 2 ? 8.0f : -8.0f);
    block[10] = NAN;
    ComputeSpectrum(block.data(), magnitudes.data());
    EXPECT_TRUE(std::ranges::all_of(magnitudes, [](float m) { return m >= 0.0f && m <= 1.0f; }));
}
