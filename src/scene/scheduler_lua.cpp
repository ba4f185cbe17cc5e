// Update and Render libraries: a node named by argument 1 (a number is taken
// as its text) and its interface 3 or 2. Unknown nodes and nodes without the
// interface are ignored. Functions that raise do so before any object with a
// destructor exists in their frames.
#include "scene/scheduler_lua.h"

#include "scene/node_manager.h"
#include "scene/scheduler.h"
#include "scene/node_argument_lua.h"
#include "script/script_numbers.h"

namespace {

bool IsOneText(lua_State* state) { return lua_gettop(state) == 1 && lua_isstring(state, 1); }

bool IsTextAndNumber(lua_State* state) {
    return lua_gettop(state) == 2 && lua_isstring(state, 1) && lua_isnumber(state, 2);
}

bool IsTwoTexts(lua_State* state) {
    return lua_gettop(state) == 2 && lua_isstring(state, 1) && lua_isstring(state, 2);
}

template <class Interface>
Interface* InterfaceOfNamedNode(lua_State* state, int32_t interfaceId) {
    CNode* node = FindNodeByName(lua_tostring(state, 1));
    return node ? node->Query<Interface>(interfaceId) : nullptr;
}

IUpdate* UpdateArgument(lua_State* state) { return InterfaceOfNamedNode<IUpdate>(state, InterfaceUpdate); }

// Runs `action` on the named node's interface, after the one-text check.
template <class Interface>
int CallOnNamedNode(lua_State* state, int32_t interfaceId, void (Interface::*action)(), const char* usage) {
    if (!IsOneText(state)) return RaiseMessage(state, usage);
    if (Interface* found = InterfaceOfNamedNode<Interface>(state, interfaceId)) (found->*action)();
    return 0;
}

// Sets the named node's override; an empty function name removes it.
template <class Interface>
int SetOverrideOfNamedNode(lua_State* state, int32_t interfaceId, const char* usage) {
    if (!IsTwoTexts(state)) return RaiseMessage(state, usage);
    if (Interface* found = InterfaceOfNamedNode<Interface>(state, interfaceId))
        found->SetOverride(lua_tostring(state, 1), lua_tostring(state, 2));
    return 0;
}

// ---- Update ---------------------------------------------------------------

int UpdateUpdate(lua_State* state) {
    if (!IsTextAndNumber(state)) return RaiseMessage(state, "[ERROR] Incorrect number of args for IUpdate::Update");
    if (IUpdate* update = UpdateArgument(state)) update->Update(static_cast<float>(lua_tonumber(state, 2)));
    return 0;
}

int UpdateEnable(lua_State* state) {
    return CallOnNamedNode(state, InterfaceUpdate, &IUpdate::Enable,
                           "[ERROR] Incorrect number of args for IUpdate::UpdateEnable");
}

int UpdateDisable(lua_State* state) {
    return CallOnNamedNode(state, InterfaceUpdate, &IUpdate::Disable,
                           "[ERROR] Incorrect number of args for IUpdate::UpdateDisable");
}

int UpdateGetPriority(lua_State* state) {
    if (!IsOneText(state)) return RaiseMessage(state, "[ERROR] Incorrect number of args for IUpdate::UpdateGetPriority");
    IUpdate* update = UpdateArgument(state);
    lua_pushnumber(state, update ? update->Priority() : 0);
    return 1;
}

int UpdateSetPriority(lua_State* state) {
    if (!IsTextAndNumber(state)) return RaiseMessage(state, "[ERROR] Incorrect number of args for IUpdate::UpdateSetPriority");
    if (IUpdate* update = UpdateArgument(state)) update->SetPriority(WrapToUnsigned<uint8_t>(lua_tonumber(state, 2)));
    return 0;
}

int UpdateSetOverride(lua_State* state) {
    return SetOverrideOfNamedNode<IUpdate>(state, InterfaceUpdate,
                                           "[ERROR] Incorrect number of args for IUpdate::UpdateSetOveride");
}

const luaL_reg updateLibrary[] = {
    {"Update", UpdateUpdate},
    {"Enable", UpdateEnable},
    {"Disable", UpdateDisable},
    {"GetPriority", UpdateGetPriority},
    {"SetPriority", UpdateSetPriority},
    {"SetOveride", UpdateSetOverride},
    {nullptr, nullptr},
};

// ---- Render ---------------------------------------------------------------

int RenderRender(lua_State* state) {
    return CallOnNamedNode(state, InterfaceRender, &IRender::Render,
                           "[ERROR] Incorrect number of args for IRender::Render");
}

int RenderEnable(lua_State* state) {
    return CallOnNamedNode(state, InterfaceRender, &IRender::Enable,
                           "[ERROR] Incorrect number of args for IUpdate::RenderEnable");
}

int RenderDisable(lua_State* state) {
    return CallOnNamedNode(state, InterfaceRender, &IRender::Disable,
                           "[ERROR] Incorrect number of args for IRender::RenderDisable");
}

int RenderSetOverride(lua_State* state) {
    return SetOverrideOfNamedNode<IRender>(state, InterfaceRender,
                                           "[ERROR] Incorrect number of args for IRender::RenderSetOveride");
}

const luaL_reg renderLibrary[] = {
    {"Render", RenderRender},
    {"Enable", RenderEnable},
    {"Disable", RenderDisable},
    {"SetOveride", RenderSetOverride},
    {nullptr, nullptr},
};

} // namespace

void RegisterUpdateLibrary(lua_State* state) {
    luaL_openlib(state, "Update", updateLibrary, 0);
    lua_pop(state, 1);
}

void RegisterRenderLibrary(lua_State* state) {
    luaL_openlib(state, "Render", renderLibrary, 0);
    lua_pop(state, 1);
}
