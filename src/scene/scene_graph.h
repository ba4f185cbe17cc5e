// The scene graph as the shell sees it: registration and the per-frame passes.
#pragma once

#include "script/lua_api.h"

// Registers the scene libraries, the node types and the emitter functions.
void RegisterSceneLibraries();
// Makes the scene's node manager.
void StartSceneGraph();
void UpdateAll(lua_State* state, float frameSeconds);
void RenderAll(lua_State* state);
