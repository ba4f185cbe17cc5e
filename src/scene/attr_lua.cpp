// Script bindings of the attribute table: the Attr library.
#include "scene/attr_lua.h"

namespace {

const luaL_reg kAttrFunctions[] = {
    {nullptr, nullptr},
};

} // namespace

void RegisterAttrLibrary(lua_State* state) {
    luaL_openlib(state, "Attr", kAttrFunctions, 0);
    lua_pop(state, 1);
}

Attribute* FindAttribute(lua_State*, int* index, int* component) {
    *index = -1;
    if (component) *component = -1;
    return nullptr;
}
