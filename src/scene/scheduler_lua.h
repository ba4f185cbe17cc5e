// The Update and Render script libraries.
#pragma once

#include "script/lua_api.h"

// Open the library tables "Update" and "Render" in the state.
void RegisterUpdateLibrary(lua_State* state);
void RegisterRenderLibrary(lua_State* state);
