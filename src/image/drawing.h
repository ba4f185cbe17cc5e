// The 2D drawing functions and the idle scripts run over every frame.
#pragma once

#include "script/lua_api.h"

void RegisterDrawingLibrary();
void RunIdleScripts(lua_State* state);
