#include "script/script_host.h"

#include <cstdio>
#include <cstring>

namespace {

lua_State* registrationState = nullptr;

// Hand the error message on top of the stack to _ALERT or standard error.
void ReportError(lua_State* state) {
    lua_getglobal(state, "_ALERT");
    if (lua_isfunction(state, -1)) {
        lua_pushvalue(state, -2);
        if (lua_pcall(state, 1, 0, 0) != 0) {
            // An _ALERT that fails itself still must not lose the first message.
            fprintf(stderr, "%s\n", lua_isstring(state, -1) ? lua_tostring(state, -1) : "?");
            lua_pop(state, 1);
        }
    } else {
        lua_pop(state, 1);
        const char* message = lua_tostring(state, -1);
        if (message)
            fprintf(stderr, "%s\n", message);
        else
            fprintf(stderr, "(error object is a %s value)\n", luaL_typename(state, -1));
    }
}

int Finish(lua_State* state, int base, int status) {
    if (status == 0) status = lua_pcall(state, 0, LUA_MULTRET, 0);
    if (status != 0) ReportError(state);
    lua_settop(state, base);
    return status;
}

} // namespace

void SetScriptState(lua_State* state) { registrationState = state; }
lua_State* ScriptState() { return registrationState; }

void RegisterGlobalFunction(const char* name, lua_CFunction function) {
    lua_pushstring(registrationState, name);
    lua_pushcclosure(registrationState, function, 0);
    lua_settable(registrationState, LUA_GLOBALSINDEX);
}

void RegisterLibrary(const char* libraryName, const luaL_reg* list) {
    luaL_openlib(registrationState, libraryName, list, 0);
    lua_pop(registrationState, 1);
}

void OpenStandardLibraries(lua_State* state) {
    const lua_CFunction openers[] = {luaopen_base, luaopen_table, luaopen_io,
                                     luaopen_os,   luaopen_string, luaopen_math};
    for (lua_CFunction open : openers) {
        lua_pushcfunction(state, open);
        lua_call(state, 0, 0);
    }
}

int RunString(lua_State* state, const char* text) {
    int base = lua_gettop(state);
    return Finish(state, base, luaL_loadbuffer(state, text, strlen(text), text));
}

int RunFile(lua_State* state, const char* path) {
    int base = lua_gettop(state);
    return Finish(state, base, luaL_loadfile(state, path));
}
