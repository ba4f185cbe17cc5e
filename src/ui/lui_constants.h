// The script constants of the toolkit: control types, arrow directions and
// icon ids, defined by running one script text of assignments.
#pragma once

namespace ui {

// The arrow button's symbols, kept in its style word; a slider's label above
// or below takes the up and down bits.
enum Direction : int {
    LUI_LEFT = 4,
    LUI_RIGHT = 8,
    LUI_UP = 16,
    LUI_DOWN = 32,
    LUI_FAST_RIGHT = 64,
    LUI_FAST_LEFT = 128,
    LUI_STOP = 256,
    LUI_PAUSE = 512,
    LUI_TOP = LUI_UP,
    LUI_BOTTOM = LUI_DOWN,
};

// "NAME=value;" lines: the control types 0 to 51, the directions, then the
// icons.
const char* controlConstantScript();

} // namespace ui
