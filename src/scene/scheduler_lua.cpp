// Update and Render libraries: a node named by argument 1 (a number is taken
// as its text) and its interface 3 or 2. Unknown nodes and nodes without the
// interface are ignored. Functions that raise do so before any object with a
// destructor exists in their frames.
#include "scene/scheduler_lua.h"

#include "scene/node_manager.h"
#include "scene/scheduler.h"
#include "scene/script_support.h"

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
IRender* RenderArgument(lua_State* state) { return InterfaceOfNamedNode<IRender>(state, InterfaceRender); }

// ---- Update ---------------------------------------------------------------

int UpdateUpdate(lua_State* state) {
    if (!IsTextAndNumber(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::Update");
    if (IUpdate* update = UpdateArgument(state)) update->Update(static_cast<float>(lua_tonumber(state, 2)));
    return 0;
}

int UpdateEnable(lua_State* state) {
    if (!IsOneText(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::UpdateEnable");
    if (IUpdate* update = UpdateArgument(state)) update->Enable();
    return 0;
}

int UpdateDisable(lua_State* state) {
    if (!IsOneText(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::UpdateDisable");
    if (IUpdate* update = UpdateArgument(state)) update->Disable();
    return 0;
}

int UpdateGetPriority(lua_State* state) {
    if (!IsOneText(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::UpdateGetPriority");
    IUpdate* update = UpdateArgument(state);
    lua_pushnumber(state, update ? update->Priority() : 0);
    return 1;
}

int UpdateSetPriority(lua_State* state) {
    if (!IsTextAndNumber(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::UpdateSetPriority");
    if (IUpdate* update = UpdateArgument(state)) update->SetPriority(LowByteFromNumber(lua_tonumber(state, 2)));
    return 0;
}

int UpdateSetOverride(lua_State* state) {
    if (!IsTwoTexts(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::UpdateSetOveride");
    if (IUpdate* update = UpdateArgument(state)) update->SetOverride(lua_tostring(state, 1), lua_tostring(state, 2));
    return 0;
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
    if (!IsOneText(state)) return Raise(state, "[ERROR] Incorrect number of args for IRender::Render");
    if (IRender* render = RenderArgument(state)) render->Render();
    return 0;
}

int RenderEnable(lua_State* state) {
    if (!IsOneText(state)) return Raise(state, "[ERROR] Incorrect number of args for IUpdate::RenderEnable");
    if (IRender* render = RenderArgument(state)) render->Enable();
    return 0;
}

int RenderDisable(lua_State* state) {
    if (!IsOneText(state)) return Raise(state, "[ERROR] Incorrect number of args for IRender::RenderDisable");
    if (IRender* render = RenderArgument(state)) render->Disable();
    return 0;
}

int RenderSetOverride(lua_State* state) {
    if (!IsTwoTexts(state)) return Raise(state, "[ERROR] Incorrect number of args for IRender::RenderSetOveride");
    if (IRender* render = RenderArgument(state)) render->SetOverride(lua_tostring(state, 1), lua_tostring(state, 2));
    return 0;
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
