// The Attr script library and the locator that turns a script's attribute
// address (a table or a "node.attribute[index]" path) into an attribute.
#pragma once

#include "scene/attributes.h"
#include "script/lua_api.h"

// Opens the library table "Attr" in the state.
void RegisterAttrLibrary(lua_State* state);

// Locates the attribute named by script argument 1. index becomes the array
// element or compound component the address names (-1 for none); component,
// when given, the component of an array-of-compounds element (-1 for none);
// name, when given, the attribute's name, valid while the attribute exists.
// Prints why nothing was found; raises a script error for an unreadable path,
// so callers must hold nothing that needs destroying.
Attribute* FindAttribute(lua_State* state, int* index, int* component = nullptr,
                         const char** name = nullptr);
