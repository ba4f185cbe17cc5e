// Start-up registration of the scene graph into the interpreter: libraries,
// node types and global functions, in that order.
#include "scene/scene_lua.h"

#include "geometry/curve.h"
#include "geometry/mesh.h"
#include "geometry/mesh_lua.h"
#include "particles/emitters.h"
#include "particles/fields.h"
#include "particles/particles_lua.h"
#include "particles/renderers.h"
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
    {3, "CMesh", MakeNode<CMesh>},
    {4, "CCurve", MakeNode<CCurve>},
    {5, "CConeEmitter", MakeNode<CConeEmitter>},
    {6, "CCurveEmitter", MakeNode<CCurveEmitter>},
    {7, "CMeshEmitter", MakeNode<CMeshEmitter>},
    {8, "CPointEmitter", MakeNode<CPointEmitter>},
    {9, "CSphereEmitter", MakeNode<CSphereEmitter>},
    {11, "CMeshRenderer", MakeNode<CMeshRenderer>},
    {12, "CPointRenderer", MakeNode<CPointRenderer>},
    {13, "CStreakRenderer", MakeNode<CStreakRenderer>},
    {14, "CSpriteRenderer", MakeNode<CSpriteRenderer>},
    {15, "CParticleSystem", MakeNode<CParticleSystem>},
    {16, "CGravityField", MakeNode<CGravityField>},
    {17, "CPlaneCollision", MakeNode<CPlaneCollision>},
    {19, "CWindField", MakeNode<CWindField>},
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
    RegisterParticleLibrary();

    for (const StartupNodeType& type : startupNodeTypes)
        RegisterScriptNodeType(type.typeId, type.typeName, type.factory);

    RegisterMeshFunctions();
    RegisterParticlePresets();
    RegisterEmitterFunctions();
}
