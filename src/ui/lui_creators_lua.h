// The lui creators (luiButton, luiWindow, ...) and the property tables they
// take.
#pragma once

#include "script/lua_api.h"
#include "ui/control.h"

// Appends the strings of the table at `index` to a list or combo box, in the
// interpreter's `next` order; other values are skipped.
void AppendItemsFromTable(lua_State* L, int index, ui::Control* control);

void RegisterLuiCreators();
