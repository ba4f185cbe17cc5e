// The shell's script functions.
#pragma once

#include "script/lua_api.h"

int SetBackgroundImage(lua_State* state);
int FrameTimeFunction(lua_State* state);
