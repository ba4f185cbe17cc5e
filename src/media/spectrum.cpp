#include "media/spectrum.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

struct SpectrumPlan {
    kiss_fftr_cfg config = kiss_fftr_alloc(kSpectrumWindow, 0, nullptr, nullptr);
    std::array<float, kSpectrumWindow> window{};

    SpectrumPlan() {
        for (size_t i = 0; i < kSpectrumWindow; ++i)
            window[i] = 0.5f - 0.5f * std::cos(2.0f * std::numbers::pi_v<float> * i / kSpectrumWindow);
    }
    ~SpectrumPlan() { kiss_fftr_free(config); }
    SpectrumPlan(const SpectrumPlan&) = delete;
    SpectrumPlan& operator=(const SpectrumPlan&) = delete;
};

} // namespace

void ComputeSpectrum(const float* samples, float* magnitudes) {
    static SpectrumPlan plan;
    std::array<kiss_fft_scalar, kSpectrumWindow> input;
    std::array<kiss_fft_cpx, kSpectrumWindow / 2 + 1> output;
    for (size_t i = 0; i < kSpectrumWindow; ++i) input[i] = samples[i] * plan.window[i];
    kiss_fftr(plan.config, input.data(), output.data());
    // The Hann window halves a sine's amplitude and the transform adds N/2.
    constexpr float scale = 4.0f / kSpectrumWindow;
    for (size_t k = 0; k < kSpectrumWindow / 2; ++k) {
        float magnitude = std::hypot(output[k].r, output[k].i) * scale;
        magnitudes[k] = std::isfinite(magnitude) ? std::clamp(magnitude, 0.0f, 1.0f) : 0.0f;
    }
}
