// Psys and the preset globals. Every Psys function is silent: wrong argument
// counts and ids that name no particle system give no results.
#include "particles/particles_lua.h"

#include "particles/particle_system.h"
#include "particles/presets.h"
#include "scene/node_argument_lua.h"
#include "script/script_host.h"

namespace {

CNode* NodeById(lua_State* state, int index) {
    return FindNodeById(NodeIdFromNumber(lua_tonumber(state, index)));
}

IParticleSystem* SystemArgument(lua_State* state) {
    CNode* node = NodeById(state, 1);
    return node ? node->Query<IParticleSystem>(InterfaceParticleSystem) : nullptr;
}

bool CountBetween(lua_State* state, int lowest, int highest) {
    int count = lua_gettop(state);
    return count >= lowest && count <= highest;
}

int PsysAdd(lua_State* state) {
    if (!CountBetween(state, 2, 3)) return 0;
    IParticleSystem* system = SystemArgument(state);
    CNode* node = NodeById(state, 2);
    if (!system || !node) return 0;
    // A negative index wraps to a large unsigned one, which appends.
    int64_t index = lua_gettop(state) == 3 ? PositionFromNumber(lua_tonumber(state, 3)) : -1;
    if (index >= 0)
        system->AttachAt(node, static_cast<size_t>(index));
    else
        system->Attach(node);
    return 0;
}

int PsysDelete(lua_State* state) {
    if (!CountBetween(state, 2, 3)) return 0;
    IParticleSystem* system = SystemArgument(state);
    int64_t index = PositionFromNumber(lua_tonumber(state, 2));
    if (system && index >= 0) system->DetachAt(static_cast<size_t>(index));
    return 0;
}

int PsysNumber(lua_State* state) {
    if (!CountBetween(state, 1, 3)) return 0;
    IParticleSystem* system = SystemArgument(state);
    if (!system) return 0;
    lua_pushnumber(state, static_cast<double>(system->AttachedCount()));
    return 1;
}

int PsysGetNode(lua_State* state) {
    if (!CountBetween(state, 2, 3)) return 0;
    IParticleSystem* system = SystemArgument(state);
    int64_t index = PositionFromNumber(lua_tonumber(state, 2));
    if (!system || index < 0 || static_cast<uint64_t>(index) >= system->AttachedCount()) return 0;
    lua_pushnumber(state, system->AttachedAt(static_cast<size_t>(index))->Id());
    return 1;
}

int PsysCount(lua_State* state) {
    IParticleSystem* system = SystemArgument(state);
    lua_pushnumber(state, system ? static_cast<double>(system->Particles().size()) : 0.0);
    return 1;
}

const luaL_reg psysLibrary[] = {
    {"Add", PsysAdd},         {"Delete", PsysDelete}, {"Number", PsysNumber},
    {"GetNode", PsysGetNode}, {"Count", PsysCount},   {nullptr, nullptr},
};

template <void (*Preset)()> int PresetFunction(lua_State*) {
    Preset();
    return 0;
}

} // namespace

void RegisterParticleLibrary() {
    RegisterLibrary("Psys", psysLibrary);
}

void RegisterParticlePresets() {
    RegisterGlobalFunction("CreateGravity", PresetFunction<CreateGravity>);
    RegisterGlobalFunction("CreateSimple", PresetFunction<CreateSimple>);
    RegisterGlobalFunction("CreateMeshParticles", PresetFunction<CreateMeshParticles>);
    RegisterGlobalFunction("CreateMeshEmitter", PresetFunction<CreateMeshEmitter>);
}
