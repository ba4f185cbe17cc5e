// Node library and the emitter position functions. Functions that raise do so
// before any object with a destructor exists in their frames.
#include "scene/node_lua.h"

#include "scene/emitter_interface.h"
#include "scene/node_manager.h"
#include "scene/node_argument_lua.h"
#include "script/lua_api.h"
#include "script/script_host.h"

namespace {

// A number is a position, a text the position of the input of that name;
// -1 for anything else.
int64_t InputArgument(lua_State* state, int index, const CNode& node) {
    switch (lua_type(state, index)) {
    case LUA_TNUMBER: return PositionFromNumber(lua_tonumber(state, index));
    case LUA_TSTRING: return node.InputPosition(lua_tostring(state, index));
    default: return -1;
    }
}

int NodeCreate(lua_State* state) {
    int count = lua_gettop(state);
    if (count == 0) return 0;
    int32_t typeId = 0;
    if (lua_type(state, 1) == LUA_TNUMBER) typeId = TruncateToInt(lua_tonumber(state, 1));
    else if (lua_type(state, 1) == LUA_TSTRING) typeId = TypeIdByName(lua_tostring(state, 1));
    const char* name = count >= 2 && lua_isstring(state, 2) ? lua_tostring(state, 2) : nullptr;
    CNode* node = CreateNamedNode(typeId, name);
    lua_pushnumber(state, node ? node->Id() : 0);
    return 1;
}

// Numbers (numeric text included) are ids, other texts names; the rest is skipped.
void DeleteValue(lua_State* state, int index) {
    if (lua_isnumber(state, index)) DeleteNodeById(NodeIdFromNumber(lua_tonumber(state, index)));
    else if (lua_type(state, index) == LUA_TSTRING) DeleteNodeByName(lua_tostring(state, index));
}

int NodeDelete(lua_State* state) {
    int count = lua_gettop(state);
    if (count == 0) return 0;
    if (lua_istable(state, 1)) {
        lua_pushnil(state);
        while (lua_next(state, 1)) {
            DeleteValue(state, -1);
            lua_pop(state, 1);
        }
        return 0;
    }
    for (int i = 1; i <= count; ++i) DeleteValue(state, i);
    return 0;
}

int NodeExists(lua_State* state) {
    lua_pushboolean(state, NodeArgument(state, 1) != nullptr);
    return 1;
}

int NodeList(lua_State* state) {
    lua_newtable(state);
    int key = 0;
    for (CNodeManager* manager : NodeManagers()) {
        for (const auto& entry : manager->nodes) {
            const std::string& name = entry.second->Name();
            lua_pushlstring(state, name.data(), name.size());
            lua_rawseti(state, -2, ++key);
        }
    }
    return 1;
}

int NodeType(lua_State* state) {
    if (lua_gettop(state) != 1) return RaiseMessage(state, "[ERROR] Incorrect number of arguments for NodeType\n");
    CNode* node = NodeArgument(state, 1);
    if (!node) return RaiseMessage(state, "[ERROR] Unknown Node\n");
    lua_pushnumber(state, node->TypeId());
    return 1;
}

int NodeName(lua_State* state) {
    if (lua_gettop(state) != 1) return RaiseMessage(state, "[ERROR] Incorrect number of arguments for Node.Name\n");
    CNode* node = NodeArgument(state, 1);
    if (!node) return RaiseMessage(state, "[ERROR] Unknown Node\n");
    lua_pushlstring(state, node->Name().data(), node->Name().size());
    return 1;
}

int NodeConnectInput(lua_State* state) {
    CNode* consumer = NodeArgument(state, 1);
    CNode* producer = NodeArgument(state, 3);
    bool connected = consumer && producer && consumer->Connect(InputArgument(state, 2, *consumer), *producer);
    lua_pushboolean(state, connected);
    return 1;
}

int NodeGetConnectedNode(lua_State* state) {
    if (lua_gettop(state) != 2) return RaiseMessage(state, "Incorrect Args for Node.GetConnected");
    CNode* node = NodeArgument(state, 1);
    CNode* connected = node ? node->ConnectedNode(InputArgument(state, 2, *node)) : nullptr;
    if (connected) lua_pushnumber(state, connected->Id());
    else lua_pushnil(state);
    return 1;
}

int NodeNumInputs(lua_State* state) {
    CNode* node = NodeArgument(state, 1);
    if (node) lua_pushnumber(state, static_cast<double>(node->Inputs().size()));
    else lua_pushnil(state);
    return 1;
}

int NodeInputType(lua_State* state) {
    if (lua_gettop(state) != 2) return RaiseMessage(state, "Incorrect Args for Node.GetInputType");
    CNode* node = NodeArgument(state, 1);
    if (node) lua_pushnumber(state, node->InputInterfaceId(InputArgument(state, 2, *node)));
    else lua_pushnil(state);
    return 1;
}

const luaL_reg nodeLibrary[] = {
    {"Create", NodeCreate},
    {"Delete", NodeDelete},
    {"Exists", NodeExists},
    {"List", NodeList},
    {"Type", NodeType},
    {"TypeString", NodeType},
    {"Name", NodeName},
    {"ConnectInput", NodeConnectInput},
    {"GetConnectedNode", NodeGetConnectedNode},
    {"InputName", NodeNumInputs},
    {"NumInputs", NodeNumInputs},
    {"InputType", NodeInputType},
    {nullptr, nullptr},
};

// ---- Emitter position -----------------------------------------------------

// The error value is the last argument, as scripts that catch it expect.
int RaiseWithLastArgument(lua_State* state) {
    if (lua_gettop(state) == 0) lua_pushnil(state);
    return lua_error(state);
}

IEmitter* EmitterArgument(lua_State* state) {
    CNode* node = NodeArgument(state, 1);
    return node ? node->Query<IEmitter>(InterfaceEmitter) : nullptr;
}

int EmitterGetPosition(lua_State* state) {
    IEmitter* emitter = EmitterArgument(state);
    if (!emitter) return RaiseWithLastArgument(state);
    const XVector& position = emitter->Position();
    lua_pushnumber(state, position.x);
    lua_pushnumber(state, position.y);
    lua_pushnumber(state, position.z);
    return 3;
}

int EmitterSetPosition(lua_State* state) {
    IEmitter* emitter = EmitterArgument(state);
    if (!emitter) return RaiseWithLastArgument(state);
    XVector& position = emitter->Position();
    position.x = static_cast<float>(lua_tonumber(state, 2));
    position.y = static_cast<float>(lua_tonumber(state, 3));
    position.z = static_cast<float>(lua_tonumber(state, 4));
    return 0;
}

} // namespace

void RegisterNodeLibrary() { RegisterLibrary("Node", nodeLibrary); }

void RegisterEmitterFunctions() {
    RegisterGlobalFunction("EmitterGetPosition", EmitterGetPosition);
    RegisterGlobalFunction("EmitterSetPosition", EmitterSetPosition);
}
