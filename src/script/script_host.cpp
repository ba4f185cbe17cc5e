#include "script/script_host.h"

#include <cstdio>
#include <cstring>

#include "script/script_calls.h"

namespace {

lua_State* scriptState = nullptr;
// Counts the states set, so chunks compiled in a closed state are never run.
unsigned stateGeneration = 0;
unsigned long reportedErrors = 0;

// Hand the error message on top of the stack to _ALERT or standard error.
void ReportError(lua_State* state) {
    ++reportedErrors;
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

void OpenInterpreter() {
    lua_State* state = lua_open();
    OpenStandardLibraries(state);
    SetScriptState(state);
}

void CloseInterpreter() {
    lua_State* state = scriptState;
    SetScriptState(nullptr);
    if (state) lua_close(state);
}

void SetScriptState(lua_State* state) {
    scriptState = state;
    ++stateGeneration;
}

lua_State* ScriptState() { return scriptState; }

void RegisterGlobalFunction(const char* name, lua_CFunction function) {
    lua_pushstring(scriptState, name);
    lua_pushcclosure(scriptState, function, 0);
    lua_settable(scriptState, LUA_GLOBALSINDEX);
}

void RegisterLibrary(const char* libraryName, const luaL_reg* list) {
    luaL_openlib(scriptState, libraryName, list, 0);
    lua_pop(scriptState, 1);
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

int RaiseMessage(lua_State* state, const char* message) {
    lua_pushstring(state, message);
    return lua_error(state);
}

// ---------------------------------------------------------------- script calls

int RunScriptText(const char* text) { return scriptState ? RunString(scriptState, text) : -1; }
int RunScriptFile(const char* path) { return scriptState ? RunFile(scriptState, path) : -1; }

void ReportScriptError(const char* message) {
    if (!scriptState) {
        ++reportedErrors;
        fprintf(stderr, "%s\n", message);
        return;
    }
    int base = lua_gettop(scriptState);
    lua_pushstring(scriptState, message);
    ReportError(scriptState);
    lua_settop(scriptState, base);
}

unsigned long ReportedScriptErrors() { return reportedErrors; }

ScriptChunk::~ScriptChunk() { Reset(); }

ScriptChunk::ScriptChunk(ScriptChunk&& other) noexcept { *this = std::move(other); }

ScriptChunk& ScriptChunk::operator=(ScriptChunk&& other) noexcept {
    if (this != &other) {
        Reset();
        reference_ = other.reference_;
        generation_ = other.generation_;
        error_ = std::move(other.error_);
        other.reference_ = -1;
        other.error_.clear();
    }
    return *this;
}

bool ScriptChunk::Compiled() const {
    return reference_ >= 0 && scriptState && generation_ == stateGeneration;
}

void ScriptChunk::Reset() {
    if (Compiled()) luaL_unref(scriptState, LUA_REGISTRYINDEX, reference_);
    reference_ = -1;
    error_.clear();
}

namespace {

// Keeps the loaded function (or the error) that luaL_load* left on the stack.
bool KeepLoaded(lua_State* state, int status, int* reference, std::string* error) {
    if (status != 0) {
        const char* message = lua_tostring(state, -1);
        *error = message ? message : "(error object is not a string)";
        lua_pop(state, 1);
        return false;
    }
    *reference = luaL_ref(state, LUA_REGISTRYINDEX);
    return true;
}

} // namespace

bool ScriptChunk::Start() {
    Reset();
    generation_ = stateGeneration;
    if (!scriptState) error_ = "no interpreter";
    return scriptState != nullptr;
}

bool ScriptChunk::Compile(const char* text, size_t length, const char* chunkName) {
    return Start() &&
           KeepLoaded(scriptState, luaL_loadbuffer(scriptState, text, length, chunkName),
                      &reference_, &error_);
}

bool ScriptChunk::CompileFile(const char* path) {
    return Start() && KeepLoaded(scriptState, luaL_loadfile(scriptState, path), &reference_, &error_);
}

int ScriptChunk::Run(const double* numbers, int count) const {
    return Run(numbers, count, nullptr);
}

int ScriptChunk::Run(const double* numbers, int count, const ErrorEdit& edit) const {
    if (!Compiled()) {
        if (!error_.empty()) ReportScriptError(edit ? edit(error_).c_str() : error_.c_str());
        return error_.empty() ? 0 : LUA_ERRSYNTAX;
    }
    lua_State* state = scriptState;
    int base = lua_gettop(state);
    lua_rawgeti(state, LUA_REGISTRYINDEX, reference_);
    for (int i = 0; i < count; ++i) lua_pushnumber(state, numbers[i]);
    int status = lua_pcall(state, count, LUA_MULTRET, 0);
    if (status != 0) {
        if (edit && lua_type(state, -1) == LUA_TSTRING) {
            size_t length = 0;
            const char* message = lua_tolstring(state, -1, &length);
            std::string edited = edit(std::string(message, length));
            lua_pop(state, 1);
            lua_pushlstring(state, edited.data(), edited.size());
        }
        ReportError(state);
    }
    lua_settop(state, base);
    return status;
}
