// Argument readers shared by the lui bindings. Controls are addressed by
// name; numbers convert to names the way the interpreter converts them.
#pragma once

#include <cstdint>

#include "script/lua_api.h"
#include "script/script_numbers.h"
#include "ui/control.h"

namespace ui {

// A script number as a control coordinate, size or value: truncated, wrapped
// to 32 bits like every integer argument.
inline int ScriptInt(double value) {
    return static_cast<int32_t>(WrapToUnsigned<uint32_t>(value));
}

// The control named by the argument; null when it is no name or names none.
inline Control* ControlAt(lua_State* L, int index) {
    return lua_isstring(L, index) ? findControl(lua_tostring(L, index)) : nullptr;
}

// A name, or a table whose entry "name" names the control.
inline Control* TargetAt(lua_State* L, int index) {
    if (!lua_istable(L, index)) return ControlAt(L, index);
    lua_pushstring(L, "name");
    lua_rawget(L, index);
    Control* control = ControlAt(L, -1);
    lua_pop(L, 1);
    return control;
}

} // namespace ui
