// Placeholders until the scene graph lands.
#include "scene/scene_graph.h"

void RegisterSceneGraph(lua_State*) {}
