// The shared argument marshaller of script functions.
//
// A script function calls Begin with the exact argument count it wants, reads
// arguments with the typed getters (0-based, with defaults), pushes results with
// the counting pushers and returns End(). When Begin fails it has printed the
// argument-count error and the function returns 0 at once.
#pragma once

#include <cstdint>

#include "script/lua_api.h"

namespace ScriptArgs {

bool Begin(lua_State* state, int expectedCount);

uint8_t GetByte(int index);
uint16_t GetShort(int index);
int32_t GetInt(int index);
double GetDouble(int index);
// Valid until End; null when absent or not a string.
const char* GetString(int index);

void PushBool(lua_State* state, bool value);
void PushInt(lua_State* state, int32_t value);
void PushFloat(lua_State* state, float value);

int End();

} // namespace ScriptArgs
