// Placeholders until the scene graph lands.
#include "scene/scene_graph.h"

void RegisterSceneGraph(lua_State*) {}
void UpdateAll(lua_State*, float) {}
void RenderAll(lua_State*) {}
