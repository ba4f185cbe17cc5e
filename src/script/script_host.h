// Registration of native functions into the one interpreter state, and the
// runners for script text and files.
#pragma once

#include "script/lua_api.h"

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
