// The node a script argument names, for the scene's script bindings.
#pragma once

#include "scene/node.h"
#include "scene/script_values.h"
#include "script/script_host.h"

// The node a script argument names: a number by id (truncated), a text by
// name; null for anything else or when no node answers.
inline CNode* NodeArgument(lua_State* state, int index) {
    switch (lua_type(state, index)) {
    case LUA_TNUMBER: return FindNodeById(NodeIdFromNumber(lua_tonumber(state, index)));
    case LUA_TSTRING: return FindNodeByName(lua_tostring(state, index));
    default: return nullptr;
    }
}
