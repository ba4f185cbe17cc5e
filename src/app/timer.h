// The frame clock: elapsed seconds since Start, ticked once per idle pass.
#pragma once

#include <cstdint>

class HiResTimer {
public:
    void Start();
    float Elapsed() const;
    // Waits until the clock has moved on, then stores the time since the last tick.
    void Tick();
    float FrameTime() const { return frameTime; }
    // Automation: when positive, every tick gives exactly this frame time.
    void SetFixedFrameTime(float seconds) { fixedFrameTime = seconds; }

private:
    int64_t startCount = 0;
    float secondsPerTick = 0.001f;
    float now = 0.0f;
    float last = 0.0f;
    float frameTime = 0.0001f;
    float fixedFrameTime = 0.0f;
};

HiResTimer& FrameTimer();
