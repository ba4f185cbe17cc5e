// The platform's high-resolution counter: a tick count and its frequency.
#pragma once

#include <cstdint>

// False when the platform offers no usable counter.
bool QueryCounterFrequency(int64_t* ticksPerSecond);
int64_t QueryCounter();
