#include "geometry/mesh_lua.h"

#include "geometry/mesh_loader.h"
#include "script/script_host.h"

namespace {

// Anything but exactly one string (numbers count) is ignored without a word.
int MakeMesh(lua_State* L) {
    if (lua_gettop(L) != 1 || !lua_isstring(L, 1)) return 0;
    LoadMesh(lua_tostring(L, 1));
    return 0;
}

} // namespace

void RegisterMeshFunctions() {
    RegisterGlobalFunction("MakeMesh", MakeMesh);
}
