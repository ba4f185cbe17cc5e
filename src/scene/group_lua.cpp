// IGroup library: argument 1 names the group node, whose interface 4 is its
// member list. Failures print and return nothing; nothing raises.
#include "scene/group_lua.h"

#include <cstdio>

#include "scene/group.h"
#include "scene/node_manager.h"
#include "script/lua_api.h"
#include "script/script_args.h"
#include "script/script_host.h"

namespace {

// Checks the count and finds the group; null after printing why not. Names are
// read from the stack so that a name made of digits stays a name.
IGroup* BeginGroupCall(lua_State* state, int argumentCount, const char* functionName) {
    if (!ScriptArgs::Begin(state, argumentCount)) {
        printf("Incorrect number of arguments for IGroup::%s\n", functionName);
        return nullptr;
    }
    const char* groupName = lua_tostring(state, 1);
    CNode* node = FindNodeByName(groupName);
    IGroup* group = node ? node->Query<IGroup>(InterfaceGroup) : nullptr;
    if (!group) {
        fprintf(stderr, "Unable to find node %s\n", groupName ? groupName : "");
        ScriptArgs::End();
    }
    return group;
}

int FinishWith(lua_State* state, bool result) {
    ScriptArgs::PushBool(state, result);
    return ScriptArgs::End();
}

uint32_t IdArgument() { return static_cast<uint32_t>(ScriptArgs::GetInt(1)); }

int GroupNumNodes(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 1, "NumNodes");
    if (!group) return 0;
    ScriptArgs::PushInt(state, static_cast<int32_t>(group->Count()));
    return ScriptArgs::End();
}

int GroupAddByName(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 2, "AddByName");
    return group ? FinishWith(state, group->AddByName(lua_tostring(state, 2))) : 0;
}

int GroupAddById(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 2, "AddByID");
    return group ? FinishWith(state, group->AddById(IdArgument())) : 0;
}

int GroupAddByType(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 2, "AddByType");
    return group ? FinishWith(state, group->AddByType(ScriptArgs::GetInt(1))) : 0;
}

int GroupRemoveById(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 2, "RemoveByID");
    return group ? FinishWith(state, group->RemoveById(IdArgument())) : 0;
}

int GroupRemoveByName(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 2, "RemoveByName");
    return group ? FinishWith(state, group->RemoveByName(lua_tostring(state, 2))) : 0;
}

int GroupRemoveByType(lua_State* state) {
    IGroup* group = BeginGroupCall(state, 2, "RemoveByType");
    return group ? FinishWith(state, group->RemoveByType(ScriptArgs::GetInt(1))) : 0;
}

const luaL_reg groupLibrary[] = {
    {"NumNodes", GroupNumNodes},
    {"AddByName", GroupAddByName},
    {"AddByID", GroupAddById},
    {"AddByType", GroupAddByType},
    {"RemoveByID", GroupRemoveById},
    {"RemoveByName", GroupRemoveByName},
    {"RemoveByType", GroupRemoveByType},
    {nullptr, nullptr},
};

} // namespace

void RegisterGroupLibrary() { RegisterLibrary("IGroup", groupLibrary); }
