// The script constants of the toolkit: control types, arrow directions and
// icon ids, defined by running one script text of assignments.
#pragma once

#include <array>

#include "ui/control_types.h"

namespace ui {

// Types 0 to 51 are published; 52 to 55 have no constant.
constexpr int kPublishedTypeCount = LUI_COLUMN_LAYOUT + 1;

// "LUI_COLOR_CHOOSER" ... "LUI_COLUMN_LAYOUT", by type number.
extern const std::array<const char*, kPublishedTypeCount> kTypeConstantNames;

// The arrow button's directions, kept in its style word.
enum Direction : int {
    LUI_LEFT = 4,
    LUI_RIGHT = 8,
    LUI_UP = 16,
    LUI_DOWN = 32,
    LUI_FAST_RIGHT = 64,
    LUI_FAST_LEFT = 128,
    LUI_STOP = 256,
    LUI_PAUSE = 512,
    // Where a slider's label goes.
    LUI_TOP = 16,
    LUI_BOTTOM = 32,
};

// "NAME=value;" lines: the type constants, the directions, then the icons.
const char* controlConstantScript();

} // namespace ui
