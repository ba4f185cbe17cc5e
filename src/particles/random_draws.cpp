#include "particles/random_draws.h"

#include <cmath>
#include <cstdlib>

int RawDraw() {
    return std::rand();
}

float UnitDraw() {
    return static_cast<float>(RawDraw() % 10000) * 0.0001f;
}

float SignedDraw() {
    return static_cast<float>(10000 - RawDraw() % 20000) * 0.0001f;
}

XVector BirthDirection() {
    for (;;) {
        float first = SignedDraw();
        float second = SignedDraw();
        float third = SignedDraw();
        float length = std::sqrt(first * first + second * second + third * third);
        if (length > 0.0f) return XVector(third / length, second / length, first / length);
    }
}
