// Pieces the scene's script bindings share.
#pragma once

#include "scene/node.h"
#include "scene/script_values.h"
#include "script/lua_api.h"

// Raises a script error whose value is exactly `message` (luaL_error would put
// the calling line's position in front of it). Callers keep nothing with a
// destructor alive in their frames: the raise is a longjmp.
inline int Raise(lua_State* state, const char* message) {
    lua_pushstring(state, message);
    return lua_error(state);
}

// The node a script argument names: a number by id (truncated), a text by
// name; null for anything else or when no node answers.
inline CNode* NodeArgument(lua_State* state, int index) {
    switch (lua_type(state, index)) {
    case LUA_TNUMBER: return FindNodeById(NodeIdFromNumber(lua_tonumber(state, index)));
    case LUA_TSTRING: return FindNodeByName(lua_tostring(state, index));
    default: return nullptr;
    }
}
