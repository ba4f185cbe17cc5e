// Running script text in an interpreter of this process, for tests of the
// script libraries without the runner.
#pragma once

#include <string>

#include "script/lua_api.h"

// Runs the text; returns what it printed to standard output.
std::string RunCapturing(lua_State* state, const std::string& text);
// The expression's value as tostring gives it; "(error)" when it raises.
std::string Evaluate(lua_State* state, const std::string& expression);
