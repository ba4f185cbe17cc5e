// The script constants of the toolkit: control types, arrow directions and
// icon ids, defined by running one script text of assignments.
#pragma once

namespace ui {

// "NAME=value;" lines: the control types 0 to 51, the directions, then the
// icons.
const char* controlConstantScript();

} // namespace ui
