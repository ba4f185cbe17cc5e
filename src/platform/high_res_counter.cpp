#include "platform/high_res_counter.h"

#include <chrono>

using CounterClock = std::chrono::steady_clock;

bool QueryCounterFrequency(int64_t* ticksPerSecond) {
    using Period = CounterClock::period;
    *ticksPerSecond = Period::den / Period::num;
    return *ticksPerSecond > 0;
}

int64_t QueryCounter() { return CounterClock::now().time_since_epoch().count(); }
