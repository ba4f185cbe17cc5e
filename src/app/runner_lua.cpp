#include "app/runner_lua.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "app/runner_input.h"
#include "script/script_host.h"

namespace {

// Coordinates beyond any screen are refused rather than wrapped.
constexpr double kCoordinateLimit = 1000000;

bool ArgumentCountAtMost(lua_State* L, int most) {
    return lua_gettop(L) <= most;
}

bool Present(lua_State* L, int index) {
    return !lua_isnoneornil(L, index);
}

// A whole number in [low, high] at index; false otherwise.
bool ReadInt(lua_State* L, int index, int low, int high, int* value) {
    if (lua_type(L, index) != LUA_TNUMBER) return false;
    const double number = lua_tonumber(L, index);
    if (!(number >= low && number <= high) || number != std::floor(number)) return false;
    *value = static_cast<int>(number);
    return true;
}

// Pixel coordinates; fractions are dropped, as a pointer has none.
bool ReadCoordinate(lua_State* L, int index, int* value) {
    if (lua_type(L, index) != LUA_TNUMBER) return false;
    const double number = std::floor(lua_tonumber(L, index));
    if (!(number >= -kCoordinateLimit && number <= kCoordinateLimit)) return false;
    *value = static_cast<int>(number);
    return true;
}

bool ReadPoint(lua_State* L, int* x, int* y) {
    return ReadCoordinate(L, 1, x) && ReadCoordinate(L, 2, y);
}

// Reads the optional modifier string at `index`, or raises naming `function`.
// On a raise nothing with a destructor is alive here.
int ModifiersOrRaise(lua_State* L, int index, const char* function, int* modifiers) {
    *modifiers = 0;
    if (!Present(L, index)) return 0;
    char message[160];
    if (lua_type(L, index) != LUA_TSTRING) {
        snprintf(message, sizeof message, "%s: the modifiers must be a string", function);
        return RaiseMessage(L, message);
    }
    size_t length = 0;
    const char* text = lua_tolstring(L, index, &length);
    std::string_view unknown;
    if (!ParseModifierNames(std::string_view(text, length), modifiers, &unknown)) {
        snprintf(message, sizeof message, "%s: unknown modifier \"%.*s\" (use shift, ctrl and alt)",
                 function, static_cast<int>(std::min<size_t>(unknown.size(), 32)), unknown.data());
        return RaiseMessage(L, message);
    }
    return 0;
}

int RaiseQueueFull(lua_State* L, const char* function) {
    char message[128];
    snprintf(message, sizeof message, "%s: more than %zu events are waiting for the next frame",
             function, InputQueue::kMaxPending);
    return RaiseMessage(L, message);
}

int Move(lua_State* L) {
    int x = 0, y = 0;
    if (!ArgumentCountAtMost(L, 2) || !ReadPoint(L, &x, &y))
        return RaiseMessage(L, "Runner.Move expects the numbers x and y");
    if (!RunnerInput().Move(x, y)) return RaiseQueueFull(L, "Runner.Move");
    return 0;
}

int PressOrRelease(lua_State* L, bool down, const char* function, const char* usage) {
    int x = 0, y = 0, button = 0, modifiers = 0;
    if (!ArgumentCountAtMost(L, 4) || !ReadPoint(L, &x, &y) ||
        (Present(L, 3) && !ReadInt(L, 3, 0, 2, &button)))
        return RaiseMessage(L, usage);
    ModifiersOrRaise(L, 4, function, &modifiers);
    if (!RunnerInput().Button(button, down, x, y, modifiers)) return RaiseQueueFull(L, function);
    return 0;
}

int Press(lua_State* L) {
    return PressOrRelease(L, true, "Runner.Press",
                          "Runner.Press expects x, y, an optional button 0, 1 or 2 and an "
                          "optional modifier string");
}

int Release(lua_State* L) {
    return PressOrRelease(L, false, "Runner.Release",
                          "Runner.Release expects x, y, an optional button 0, 1 or 2 and an "
                          "optional modifier string");
}

int Key(lua_State* L) {
    if (!ArgumentCountAtMost(L, 2) || lua_type(L, 1) != LUA_TSTRING)
        return RaiseMessage(L, "Runner.Key expects a text and an optional modifier string");
    int modifiers = 0;
    ModifiersOrRaise(L, 2, "Runner.Key", &modifiers);
    size_t length = 0;
    const char* text = lua_tolstring(L, 1, &length);
    if (!RunnerInput().Keys(std::string_view(text, length), modifiers))
        return RaiseQueueFull(L, "Runner.Key");
    return 0;
}

int SpecialKey(lua_State* L) {
    int code = 0;
    if (!ArgumentCountAtMost(L, 2) || !ReadInt(L, 1, 0, 255, &code) ||
        !platform::IsSpecialKeyCode(code))
        return RaiseMessage(
            L, "Runner.SpecialKey expects a GLUT special key code and an optional modifier string");
    int modifiers = 0;
    ModifiersOrRaise(L, 2, "Runner.SpecialKey", &modifiers);
    if (!RunnerInput().SpecialKey(code, modifiers)) return RaiseQueueFull(L, "Runner.SpecialKey");
    return 0;
}

const luaL_reg kRunnerFunctions[] = {
    {"Move", Move}, {"Press", Press},           {"Release", Release},
    {"Key", Key},   {"SpecialKey", SpecialKey}, {nullptr, nullptr},
};

} // namespace

void RegisterRunnerLibrary() {
    RegisterLibrary("Runner", kRunnerFunctions);
}
