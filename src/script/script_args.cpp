#include "script/script_args.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace ScriptArgs {
namespace {

enum class ArgKind : uint32_t { Number = 0, String = 1, None = 2 };

struct ArgRecord {
    std::string string;
    ArgKind kind = ArgKind::None;
    double number = 0.0;
};

// One process-wide instance: scripts run on one thread and never nest a call
// between Begin and End. The buffer is reused between calls.
std::vector<ArgRecord> args;
int argCount = 0;
int resultCount = 0;

const ArgRecord* NumberRecord(int index) {
    if (index < 0 || index >= argCount) return nullptr;
    const ArgRecord& record = args[index];
    return record.kind == ArgKind::Number ? &record : nullptr;
}

// The low 32 bits of the number truncated toward zero, for any finite value.
uint32_t LowBits(int index) {
    const ArgRecord* record = NumberRecord(index);
    if (!record || !std::isfinite(record->number)) return 0;
    double wrapped = std::fmod(std::trunc(record->number), 4294967296.0);
    if (wrapped < 0) wrapped += 4294967296.0;
    return static_cast<uint32_t>(wrapped);
}

} // namespace

bool Begin(lua_State* state, int expectedCount) {
    int n = lua_gettop(state);
    if (n != expectedCount) {
        printf("[ERROR] Incorrect Number of arguments specified\n");
        return false;
    }
    resultCount = 0;
    argCount = n;
    args.assign(n, ArgRecord{});
    for (int i = 1; i <= n; ++i) {
        ArgRecord& record = args[i - 1];
        if (lua_isnumber(state, i)) {
            record.kind = ArgKind::Number;
            record.number = lua_tonumber(state, i);
        } else if (lua_isstring(state, i)) {
            record.kind = ArgKind::String;
            size_t length = 0;
            const char* text = lua_tolstring(state, i, &length);
            record.string.assign(text, length);
        } else if (lua_isboolean(state, i)) {
            record.kind = ArgKind::Number;
            record.number = lua_toboolean(state, i) ? 1.0 : 0.0;
        }
    }
    return true;
}

uint8_t GetByte(int index) { return static_cast<uint8_t>(LowBits(index)); }
uint16_t GetShort(int index) { return static_cast<uint16_t>(LowBits(index)); }
int32_t GetInt(int index) { return static_cast<int32_t>(LowBits(index)); }

double GetDouble(int index) {
    const ArgRecord* record = NumberRecord(index);
    return record ? record->number : 0.0;
}

const char* GetString(int index) {
    if (index < 0 || index >= argCount || args[index].kind != ArgKind::String) return nullptr;
    return args[index].string.c_str();
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
    args.clear();
    argCount = 0;
    return resultCount;
}

} // namespace ScriptArgs
