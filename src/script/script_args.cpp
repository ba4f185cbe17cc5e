#include "script/script_args.h"

#include <cstdio>

#include "script/script_numbers.h"

namespace ScriptArgs {
namespace {

// One process-wide call in progress: scripts run on one thread and never nest
// a call between Begin and End. Arguments are read where they lie on the
// interpreter's stack, which holds them until the function returns.
lua_State* callState = nullptr;
int argCount = 0;
int resultCount = 0;

enum class ArgKind { Number, String, None };

// Numbers and numeric strings read as numbers, booleans as 0 and 1.
ArgKind KindAt(int index, double* number) {
    if (index < 0 || index >= argCount) return ArgKind::None;
    int slot = index + 1;
    switch (lua_type(callState, slot)) {
    case LUA_TNUMBER:
        *number = lua_tonumber(callState, slot);
        return ArgKind::Number;
    case LUA_TSTRING:
        if (!lua_isnumber(callState, slot)) return ArgKind::String;
        *number = lua_tonumber(callState, slot);
        return ArgKind::Number;
    case LUA_TBOOLEAN:
        *number = lua_toboolean(callState, slot) ? 1.0 : 0.0;
        return ArgKind::Number;
    default: return ArgKind::None;
    }
}

double NumberAt(int index) {
    double number = 0.0;
    return KindAt(index, &number) == ArgKind::Number ? number : 0.0;
}

} // namespace

bool Begin(lua_State* state, int expectedCount) {
    int n = lua_gettop(state);
    if (n != expectedCount) {
        printf("[ERROR] Incorrect Number of arguments specified\n");
        return false;
    }
    callState = state;
    resultCount = 0;
    argCount = n;
    return true;
}

uint8_t GetByte(int index) { return WrapToUnsigned<uint8_t>(NumberAt(index)); }
uint16_t GetShort(int index) { return WrapToUnsigned<uint16_t>(NumberAt(index)); }
int32_t GetInt(int index) { return static_cast<int32_t>(WrapToUnsigned<uint32_t>(NumberAt(index))); }
double GetDouble(int index) { return NumberAt(index); }

const char* GetString(int index) {
    double unused = 0.0;
    if (KindAt(index, &unused) != ArgKind::String) return nullptr;
    return lua_tostring(callState, index + 1);
}

void PushBool(lua_State* state, bool value) {
    lua_pushboolean(state, value ? 1 : 0);
    ++resultCount;
}

void PushInt(lua_State* state, int32_t value) {
    lua_pushnumber(state, value);
    ++resultCount;
}

void PushFloat(lua_State* state, float value) {
    lua_pushnumber(state, static_cast<double>(value));
    ++resultCount;
}

int End() {
    callState = nullptr;
    argCount = 0;
    return resultCount;
}

} // namespace ScriptArgs
