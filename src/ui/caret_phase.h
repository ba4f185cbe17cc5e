// The blink of text carets: one phase for the whole toolkit, flipped every
// 800 ms of elapsed time by the toolkit's idle work.
#pragma once

#include <cstdint>

namespace ui {

constexpr uint64_t kCaretBlinkMs = 800;

// Whether carets are drawn now; on at start.
bool caretPhaseOn();
// Flips the phase when 800 ms have passed since the last flip. `nowMs` is a
// millisecond tick count; the first one, and one that goes backwards, starts
// the measure there.
void tickCaretPhase(uint64_t nowMs);

} // namespace ui
