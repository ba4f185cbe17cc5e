#include "app/timer.h"

#include "platform/high_res_counter.h"

void HiResTimer::Start() {
    secondsPerTick = 0.001f;
    int64_t frequency = 0;
    if (!QueryCounterFrequency(&frequency) || frequency == 0) return;
    secondsPerTick = 1.0f / static_cast<float>(frequency);
    startCount = QueryCounter();
}

float HiResTimer::Elapsed() const {
    return static_cast<float>(QueryCounter() - startCount) * secondsPerTick;
}

void HiResTimer::Tick() {
    do {
        now = Elapsed();
    } while (now == last);
    frameTime = fixedFrameTime > 0.0f ? fixedFrameTime : now - last;
    last = now;
}

HiResTimer& FrameTimer() {
    static HiResTimer timer;
    return timer;
}
