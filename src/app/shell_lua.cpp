#include "app/shell_lua.h"

#include "app/shell.h"
#include "app/timer.h"
#include "script/script_args.h"

// Anything but exactly one string argument is ignored without a message.
int SetBackgroundImage(lua_State* state) {
    if (lua_gettop(state) != 1 || lua_type(state, 1) != LUA_TSTRING) return 0;
    SetBackgroundPicture(lua_tostring(state, 1));
    return 0;
}

int FrameTimeFunction(lua_State* state) {
    if (!ScriptArgs::Begin(state, 0)) return 0;
    ScriptArgs::PushFloat(state, FrameTimer().FrameTime());
    return ScriptArgs::End();
}
