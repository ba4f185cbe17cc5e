// Start-up registration of the scene graph into the interpreter: libraries,
// node types and global functions, in that order.
#include "scene/scene_lua.h"

#include "scene/attr_lua.h"
#include "scene/attribute_node.h"
#include "scene/group.h"
#include "scene/group_lua.h"
#include "scene/node_lua.h"
#include "scene/scheduler_lua.h"
#include "script/script_calls.h"
#include "script/script_host.h"

namespace {

struct StartupNodeType {
    int32_t typeId;
    const char* typeName;
    NodeFactory factory;
};

// Types without a factory are registered (their names are script globals) but
// make no nodes until their classes exist; filling one in is MakeNode<Class>.
const StartupNodeType startupNodeTypes[] = {
    {1, "CAttributes", MakeNode<CAttributes>},
    {2, "CGroup", MakeNode<CGroup>},
    {3, "CMesh", nullptr},
    {4, "CCurve", nullptr},
    {5, "CConeEmitter", nullptr},
    {6, "CCurveEmitter", nullptr},
    {7, "CMeshEmitter", nullptr},
    {8, "CPointEmitter", nullptr},
    {9, "CSphereEmitter", nullptr},
    {11, "CMeshRenderer", nullptr},
    {12, "CPointRenderer", nullptr},
    {13, "CStreakRenderer", nullptr},
    {14, "CSpriteRenderer", nullptr},
    {15, "CParticleSystem", nullptr},
    {16, "CGravityField", nullptr},
    {17, "CPlaneCollision", nullptr},
    {19, "CWindField", nullptr},
};

} // namespace

void RegisterScriptNodeType(int32_t typeId, const char* typeName, NodeFactory factory) {
    if (!RegisterNodeType(typeId, typeName, factory)) return;
    std::string line = std::string(typeName) + "=" + std::to_string(typeId) + ";";
    RunScriptText(line.c_str());
}

void RegisterSceneLibraries() {
    lua_State* state = ScriptState();
    RegisterAttrLibrary(state);
    RegisterUpdateLibrary(state);
    RegisterRenderLibrary(state);
    RegisterGroupLibrary();
    RegisterNodeLibrary();
    // The Psys library is registered here, after Node, once the particle system exists.

    for (const StartupNodeType& type : startupNodeTypes)
        RegisterScriptNodeType(type.typeId, type.typeName, type.factory);

    // MakeMesh, CreateGravity, CreateSimple, CreateMeshParticles and
    // CreateMeshEmitter are registered here, before the emitter functions, once
    // the meshes and presets exist.
    RegisterEmitterFunctions();
}
