#include "ui/caret_phase.h"

namespace ui {

namespace {

bool phaseOn = true;
bool started = false;
uint64_t lastFlipMs = 0;

} // namespace

bool caretPhaseOn() {
    return phaseOn;
}

void tickCaretPhase(uint64_t nowMs) {
    if (!started || nowMs < lastFlipMs) {
        started = true;
        lastFlipMs = nowMs;
        return;
    }
    if (nowMs - lastFlipMs < kCaretBlinkMs) return;
    phaseOn = !phaseOn;
    lastFlipMs = nowMs;
}

} // namespace ui
