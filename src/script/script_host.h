// The one interpreter state and everything that registers into it or runs
// scripts in it. Only script bindings include this header; core code asks for
// scripts through script/script_calls.h.
#pragma once

#include "script/lua_api.h"

// The state OpenInterpreter made (script/script_calls.h), or the one given here.
void SetScriptState(lua_State* state);
lua_State* ScriptState();

// Stores the function as a global; a global of that name is replaced.
void RegisterGlobalFunction(const char* name, lua_CFunction function);
// Creates or reuses the global table libraryName; the list ends with {null, null}.
void RegisterLibrary(const char* libraryName, const luaL_reg* list);

// Opens base, table, io, os, string and math, in that order.
void OpenStandardLibraries(lua_State* state);

// Run a chunk in protected mode. An error ends only this chunk and goes to a
// script-defined _ALERT function, else to standard error as "%s\n".
// Return 0 on success, else the interpreter's error status.
int RunString(lua_State* state, const char* text);
int RunFile(lua_State* state, const char* path);

// Raises a script error whose value is exactly `message` (luaL_error would put
// the calling line's position in front of it). The raise is a longjmp: callers
// keep nothing with a destructor alive in their frames.
int RaiseMessage(lua_State* state, const char* message);
