// Script bindings of the 2D drawing library and the idle-script list.
#include <cstdio>

#include "image/drawing_lua.h"

#include "image/drawing.h"
#include "image/idle_scripts.h"
#include "script/script_args.h"
#include "script/script_host.h"

namespace {

float FloatArg(int index) {
    return static_cast<float>(ScriptArgs::GetDouble(index));
}

int SetPointSizeFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    Drawing2D::SetPointSize(ScriptArgs::GetInt(0));
    return ScriptArgs::End();
}

int SetLineWidthFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    Drawing2D::SetLineWidth(ScriptArgs::GetInt(0));
    return ScriptArgs::End();
}

int DrawPointFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 2)) return 0;
    Drawing2D::DrawPoint(FloatArg(0), FloatArg(1));
    return ScriptArgs::End();
}

int DrawLineFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 4)) return 0;
    Drawing2D::DrawLine(FloatArg(0), FloatArg(1), FloatArg(2), FloatArg(3));
    return ScriptArgs::End();
}

int DrawFilledSquareFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    Drawing2D::DrawFilledRectangle(FloatArg(0), FloatArg(1), FloatArg(2), FloatArg(2));
    return ScriptArgs::End();
}

int DrawWireSquareFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    Drawing2D::DrawWireRectangle(FloatArg(0), FloatArg(1), FloatArg(2), FloatArg(2));
    return ScriptArgs::End();
}

int DrawFilledRectangleFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 4)) return 0;
    Drawing2D::DrawFilledRectangle(FloatArg(0), FloatArg(1), FloatArg(2), FloatArg(3));
    return ScriptArgs::End();
}

int DrawWireRectangleFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 4)) return 0;
    Drawing2D::DrawWireRectangle(FloatArg(0), FloatArg(1), FloatArg(2), FloatArg(3));
    return ScriptArgs::End();
}

int DrawFilledCircleFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    Drawing2D::DrawFilledCircle(FloatArg(0), FloatArg(1), FloatArg(2));
    return ScriptArgs::End();
}

int DrawWireCircleFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    Drawing2D::DrawWireCircle(FloatArg(0), FloatArg(1), FloatArg(2));
    return ScriptArgs::End();
}

int SetForegroundFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    Drawing2D::SetForeground(FloatArg(0), FloatArg(1), FloatArg(2));
    return ScriptArgs::End();
}

int SetBackgroundFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 3)) return 0;
    Drawing2D::SetBackground(FloatArg(0), FloatArg(1), FloatArg(2));
    return ScriptArgs::End();
}

int SetTransparentFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    Drawing2D::SetTransparent(FloatArg(0));
    return ScriptArgs::End();
}

// Only a real string is taken (a numeric string is still a path or a chunk);
// anything else adds no entry and returns 0, which is never an id.
int AddIdleEntry(lua_State* state, bool isFile, const char* functionName) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    uint32_t id = 0;
    if (lua_type(state, 1) == LUA_TSTRING)
        id = IdleScripts().Add(lua_tostring(state, 1), isFile);
    else
        printf("[ERROR] %s needs a string argument\n", functionName);
    ScriptArgs::PushInt(state, static_cast<int32_t>(id));
    return ScriptArgs::End();
}

int AddIdleScriptFunction(lua_State* state) {
    return AddIdleEntry(state, true, "AddIdleScript");
}
int AddIdleStringFunction(lua_State* state) {
    return AddIdleEntry(state, false, "AddIdleString");
}

int SetIdleEntryEnabled(lua_State* state, bool enabled) {
    if (!ScriptArgs::Begin(state, 1)) return 0;
    IdleScripts().SetEnabled(static_cast<uint32_t>(ScriptArgs::GetInt(0)), enabled);
    return ScriptArgs::End();
}

int EnableIdleScriptFunction(lua_State* state) {
    return SetIdleEntryEnabled(state, true);
}
int DisableIdleScriptFunction(lua_State* state) {
    return SetIdleEntryEnabled(state, false);
}

} // namespace

void RegisterDrawingLibrary() {
    RegisterGlobalFunction("SetPointSize", SetPointSizeFunction);
    RegisterGlobalFunction("SetLineWidth", SetLineWidthFunction);
    RegisterGlobalFunction("DrawPoint", DrawPointFunction);
    RegisterGlobalFunction("DrawLine", DrawLineFunction);
    RegisterGlobalFunction("DrawFilledSquare", DrawFilledSquareFunction);
    RegisterGlobalFunction("DrawWireSquare", DrawWireSquareFunction);
    RegisterGlobalFunction("DrawFilledRectangle", DrawFilledRectangleFunction);
    RegisterGlobalFunction("DrawWireRectangle", DrawWireRectangleFunction);
    RegisterGlobalFunction("DrawFilledCircle", DrawFilledCircleFunction);
    RegisterGlobalFunction("DrawWireCircle", DrawWireCircleFunction);
    RegisterGlobalFunction("SetForeground", SetForegroundFunction);
    RegisterGlobalFunction("SetBackground", SetBackgroundFunction);
    RegisterGlobalFunction("SetTransparent", SetTransparentFunction);
    RegisterGlobalFunction("AddIdleScript", AddIdleScriptFunction);
    RegisterGlobalFunction("AddIdleString", AddIdleStringFunction);
    RegisterGlobalFunction("EnableIdleScript", EnableIdleScriptFunction);
    RegisterGlobalFunction("DisableIdleScript", DisableIdleScriptFunction);
}
