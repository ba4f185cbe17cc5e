#include "ui/lui_lua.h"

#include <cstring>

#include "script/script_calls.h"
#include "script/script_host.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/file_dialog.h"
#include "ui/item_list.h"
#include "ui/lui_arguments_lua.h"
#include "ui/lui_constants.h"
#include "ui/lui_controls.h"
#include "ui/lui_creators_lua.h"
#include "ui/lui_dialogs_lua.h"

namespace {

using namespace ui;

// ---- Argument checks ---------------------------------------------------------------
// Like luaL_check*, these raise the library's exact message and do not return
// when the arguments are wrong: callers keep nothing with a destructor.

// The control a getter reads, named by its one argument.
Control* CheckGetterTarget(lua_State* L, const char* countMessage) {
    if (lua_gettop(L) != 1) RaiseMessage(L, countMessage);
    Control* control = ControlAt(L, 1);
    if (!control) RaiseMessage(L, "[ERROR] Unknown control name\n");
    return control;
}

// The control a setter changes: `count` arguments, its name and then values
// that each pass `isValue` (lua_isnumber or lua_isstring).
Control* CheckSetterTarget(lua_State* L, int count, int (*isValue)(lua_State*, int),
                           const char* countMessage, const char* typesMessage) {
    if (lua_gettop(L) != count) RaiseMessage(L, countMessage);
    if (!lua_isstring(L, 1)) RaiseMessage(L, typesMessage);
    for (int index = 2; index <= count; ++index)
        if (!isValue(L, index)) RaiseMessage(L, typesMessage);
    Control* control = ControlAt(L, 1);
    if (!control) RaiseMessage(L, "[ERROR] Unknown widget");
    return control;
}

// ---- Tree ----------------------------------------------------------------------

int LuiCreate(lua_State* L) {
    if (lua_gettop(L) != 2) return RaiseMessage(L, "Incorrect num of args for luiCreate");
    double type = lua_isnumber(L, 1) ? lua_tonumber(L, 1) : -1;
    Control* control = nullptr;
    if (type >= 0 && type < kControlTypeCount)
        control = createControl(static_cast<int>(type),
                                lua_isstring(L, 2) ? lua_tostring(L, 2) : nullptr);
    if (control)
        lua_pushstring(L, control->name);
    else
        lua_pushnil(L);
    return 1;
}

int LuiDestroy(lua_State* L) {
    if (lua_gettop(L) != 1) return RaiseMessage(L, "Incorrect num of args for luiDestroy");
    Control* control = ControlAt(L, 1);
    if (!control) {
        lua_pushstring(L, "no control found");
        return 1;
    }
    destroyControl(control);
    return 0;
}

int LuiGetParent(lua_State* L) {
    Control* control = CheckGetterTarget(L, "Incorrect num of args for luiGetParent");
    lua_pushstring(L, control->parent ? control->parent->name : "none");
    return 1;
}

int LuiParent(lua_State* L) {
    if (lua_gettop(L) != 2) return RaiseMessage(L, "Incorrect num of args for luiParent");
    Control* parent = ControlAt(L, 1);
    Control* child = ControlAt(L, 2);
    if (!parent || !child) return RaiseMessage(L, "no control found");
    attachChild(parent, child);
    return 0;
}

int LuiSetParent(lua_State* L) {
    if (lua_gettop(L) != 1) return RaiseMessage(L, "Incorrect num of args for luiSetParent");
    if (lua_type(L, 1) == LUA_TSTRING && strcmp(lua_tostring(L, 1), "..") == 0)
        moveCurrentParentUp();
    else if (Control* control = ControlAt(L, 1))
        setCurrentParent(control);
    return 0;
}

// Appends the names of the subtree to the table on top of the stack.
void PushSubtreeNames(lua_State* L, Control* top, int* count) {
    forEachInPreOrder(top, [L, count](Control* control) {
        lua_pushstring(L, control->name);
        lua_rawseti(L, -2, ++*count);
    });
}

int LuiList(lua_State* L) {
    lua_newtable(L);
    int count = 0;
    for (Control* top : rootControl()->children)
        PushSubtreeNames(L, top, &count);
    return 1;
}

int LuiListChildren(lua_State* L) {
    if (lua_gettop(L) != 1 || !lua_isstring(L, 1))
        return RaiseMessage(L, "[ERROR] Incorrect arguments for luiListChildren\n");
    Control* control = ControlAt(L, 1);
    if (!control) return RaiseMessage(L, "[ERROR] Unable to find control\n");
    lua_newtable(L);
    int count = 0;
    PushSubtreeNames(L, control, &count);
    return 1;
}

// ---- Values ------------------------------------------------------------------------

int LuiGetInt(lua_State* L) {
    Control* control = lua_gettop(L) == 1 ? TargetAt(L, 1) : nullptr;
    if (!control) return 0;
    lua_pushnumber(L, getInt(control));
    return 1;
}

int LuiGetFloat(lua_State* L) {
    Control* control = lua_gettop(L) == 1 ? TargetAt(L, 1) : nullptr;
    if (!control) return 0;
    lua_pushnumber(L, getFloat(control));
    return 1;
}

int LuiGetString(lua_State* L) {
    Control* control = lua_gettop(L) == 1 ? TargetAt(L, 1) : nullptr;
    if (!control) return 0;
    const char* text = getString(control);
    if (text)
        lua_pushstring(L, text);
    else
        lua_pushnil(L);
    return 1;
}

int LuiSetInt(lua_State* L) {
    Control* control = lua_gettop(L) == 2 ? TargetAt(L, 1) : nullptr;
    if (control && lua_isnumber(L, 2)) setInt(control, ScriptInt(lua_tonumber(L, 2)));
    return 0;
}

int LuiSetFloat(lua_State* L) {
    Control* control = lua_gettop(L) == 2 ? TargetAt(L, 1) : nullptr;
    if (control && lua_isnumber(L, 2)) setFloat(control, static_cast<float>(lua_tonumber(L, 2)));
    return 0;
}

// Given a name, hands back the text the control held before.
int LuiSetString(lua_State* L) {
    Control* control = lua_gettop(L) == 2 ? TargetAt(L, 1) : nullptr;
    if (!control || !lua_isstring(L, 2)) return 0;
    int results = 0;
    if (!lua_istable(L, 1)) {
        const char* previous = getString(control);
        if (previous)
            lua_pushstring(L, previous);
        else
            lua_pushnil(L);
        results = 1;
    }
    setString(control, lua_tostring(L, 2));
    return results;
}

// ---- Label, position and size ------------------------------------------------------

int LuiGetLabel(lua_State* L) {
    Control* control =
        CheckGetterTarget(L, "[ERROR] Incorrect number of arguments for LuiGetLabel\n");
    lua_pushstring(L, control->label);
    return 1;
}

int LuiSetLabel(lua_State* L) {
    Control* control =
        CheckSetterTarget(L, 2, lua_isstring, "Incorrect num of args for luiSetLabel",
                          "[ERROR] Incorrect arguments for luiSetLabel");
    setLabel(control, lua_tostring(L, 2));
    return 0;
}

int LuiGetPosition(lua_State* L) {
    Control* control =
        CheckGetterTarget(L, "[ERROR] Incorrect number of arguments for LuiGetPosition\n");
    lua_pushnumber(L, control->x);
    lua_pushnumber(L, control->y);
    return 2;
}

int LuiSetPosition(lua_State* L) {
    Control* control =
        CheckSetterTarget(L, 3, lua_isnumber, "Incorrect num of args for luiSetPosition",
                          "[ERROR] Incorrect arguments for luiSetPosition");
    setPosition(control, ScriptInt(lua_tonumber(L, 2)), ScriptInt(lua_tonumber(L, 3)));
    return 0;
}

int LuiGetSize(lua_State* L) {
    Control* control =
        CheckGetterTarget(L, "[ERROR] Incorrect number of arguments for luiGetSize\n");
    lua_pushnumber(L, control->width);
    lua_pushnumber(L, control->height);
    return 2;
}

int LuiSetSize(lua_State* L) {
    Control* control = CheckSetterTarget(L, 3, lua_isnumber, "Incorrect num of args for luiSetSize",
                                         "[ERROR] Incorrect arguments for luiSetSize");
    setSize(control, ScriptInt(lua_tonumber(L, 2)), ScriptInt(lua_tonumber(L, 3)));
    return 0;
}

// ---- Ranges --------------------------------------------------------------------------

struct RangeMessages {
    const char* getterCount;
    const char* setterCount;
    const char* setterTypes;
};

int GetRange(lua_State* L, RangeBound bound, const RangeMessages& messages) {
    Control* control = CheckGetterTarget(L, messages.getterCount);
    lua_pushnumber(L, rangeBound(control, bound));
    return 1;
}

int SetRange(lua_State* L, RangeBound bound, const RangeMessages& messages) {
    Control* control =
        CheckSetterTarget(L, 2, lua_isnumber, messages.setterCount, messages.setterTypes);
    setRangeBound(control, bound, lua_tonumber(L, 2));
    return 0;
}

constexpr RangeMessages kMaxMessages{"[ERROR] Incorrect number of arguments for LuiGetMax\n",
                                     "Incorrect num of args for luiSetMax",
                                     "[ERROR] Incorrect arguments for luiSetMax"};
constexpr RangeMessages kMinMessages{"[ERROR] Incorrect number of arguments for LuiGetMin\n",
                                     "Incorrect num of args for luiSetMin",
                                     "[ERROR] Incorrect arguments for luiSetMin"};
constexpr RangeMessages kStepMessages{"[ERROR] Incorrect number of arguments for LuiGetStep\n",
                                      "Incorrect num of args for luiSetStep",
                                      "[ERROR] Incorrect arguments for luiSetStep"};

int LuiGetMax(lua_State* L) {
    return GetRange(L, RangeBound::Maximum, kMaxMessages);
}
int LuiGetMin(lua_State* L) {
    return GetRange(L, RangeBound::Minimum, kMinMessages);
}
int LuiGetStep(lua_State* L) {
    return GetRange(L, RangeBound::Step, kStepMessages);
}
int LuiSetMax(lua_State* L) {
    return SetRange(L, RangeBound::Maximum, kMaxMessages);
}
int LuiSetMin(lua_State* L) {
    return SetRange(L, RangeBound::Minimum, kMinMessages);
}
int LuiSetStep(lua_State* L) {
    return SetRange(L, RangeBound::Step, kStepMessages);
}

// ---- Items ------------------------------------------------------------------------------

int LuiSetItems(lua_State* L) {
    int count = lua_gettop(L);
    Control* control = count >= 2 ? ControlAt(L, 1) : nullptr;
    if (!control || !hasItemList(control)) return 0;
    setListItemCount(control, 0);
    if (lua_istable(L, 2)) {
        AppendItemsFromTable(L, 2, control);
        return 0;
    }
    for (int index = 2; index <= count; ++index)
        if (lua_isstring(L, index)) appendListItem(control, lua_tostring(L, index));
    return 0;
}

// The texts of the named control as a table numbered from 1; empty when the
// argument names no control.
int PushTexts(lua_State* L, int (*count)(Control*), const char* (*text)(Control*, int)) {
    Control* control = lua_gettop(L) == 1 ? ControlAt(L, 1) : nullptr;
    lua_newtable(L);
    int total = control ? count(control) : 0;
    for (int index = 0; index < total; ++index) {
        lua_pushstring(L, text(control, index));
        lua_rawseti(L, -2, index + 1);
    }
    return 1;
}

int LuiGetItems(lua_State* L) {
    return PushTexts(L, itemCount, itemText);
}
int LuiGetSelectedItems(lua_State* L) {
    return PushTexts(L, selectedItemCount, selectedItemText);
}

int LuiGetFilePath(lua_State* L) {
    Control* control = lua_gettop(L) == 1 ? ControlAt(L, 1) : nullptr;
    const char* path = control ? fileDialogChosenPath(control) : nullptr;
    if (!path) return 0;
    lua_pushstring(L, path);
    return 1;
}

int LuiExecute(lua_State* L) {
    if (lua_isstring(L, 1)) RunScriptText(lua_tostring(L, 1));
    return 0;
}

// ---- Colour scheme ----------------------------------------------------------------------

// The scheme entry named by argument 1, or -1 for an index outside 0 to 12.
int ColourIndexAt(lua_State* L) {
    double index = lua_tonumber(L, 1);
    return index > -1.0 && index < kColourCount ? static_cast<int>(index) : -1;
}

int LuiColorAsString(lua_State* L) {
    if (lua_gettop(L) != 1 || !lua_isnumber(L, 1))
        return RaiseMessage(L, "Error, incorrect number of args");
    int index = ColourIndexAt(L);
    if (index < 0) return RaiseMessage(L, "Invalid Colour Preference");
    lua_pushstring(L, kColourNames[index]);
    return 1;
}

int LuiGetColor(lua_State* L) {
    if (lua_gettop(L) != 1 || !lua_isnumber(L, 1))
        return RaiseMessage(L, "Error, incorrect number of args");
    int index = ColourIndexAt(L);
    if (index < 0) return RaiseMessage(L, "Invalid Colour Preference");
    Rgb colour = getColour(index);
    lua_pushnumber(L, colour.r);
    lua_pushnumber(L, colour.g);
    lua_pushnumber(L, colour.b);
    return 3;
}

int LuiSetColor(lua_State* L) {
    bool fourNumbers = lua_gettop(L) == 4;
    for (int index = 1; fourNumbers && index <= 4; ++index)
        fourNumbers = lua_isnumber(L, index);
    if (!fourNumbers) return RaiseMessage(L, "Error, incorrect number of args");
    int index = ColourIndexAt(L);
    if (index < 0) return RaiseMessage(L, "Invalid Colour Preference");
    storeColour(index, static_cast<float>(lua_tonumber(L, 2)),
                static_cast<float>(lua_tonumber(L, 3)), static_cast<float>(lua_tonumber(L, 4)));
    return 0;
}

// Names kept for scripts written against types that have no behaviour.
int DoNothing(lua_State*) {
    return 0;
}

const char* const kDoNothingNames[] = {
    "luiColourChooser", "luiConsole",       "luiDisplaySettings",
    "luiExplorer",      "luiMenuBar",       "luiShelf",
    "luiStartMenu",     "luiToolBar",       "luiColourSlider",
    "luiFloatDial",     "luiFloatFieldGrp", "luiFloatHoudini",
    "luiFloatScroll",   "luiFloatShake",    "luiIntDial",
    "luiIntFieldGrp",   "luiIntHoudini",    "luiIntShake",
    "luiMenu",          "luiRadioButton",   "luiScrollBar",
    "luiColumnLayout",  "luiIconView",      "luiListView",
    "luiRowLayout",     "luiScrollLayout",  "luiTabLayout",
    "luiTileView",      "luiTreeView",
};

const luaL_reg kFunctions[] = {
    {"luiCreate", LuiCreate},
    {"luiDestroy", LuiDestroy},
    {"luiGetParent", LuiGetParent},
    {"luiParent", LuiParent},
    {"luiSetParent", LuiSetParent},
    {"luiList", LuiList},
    {"luiListChildren", LuiListChildren},
    {"luiGetInt", LuiGetInt},
    {"luiGetFloat", LuiGetFloat},
    {"luiGetString", LuiGetString},
    {"luiSetInt", LuiSetInt},
    {"luiSetFloat", LuiSetFloat},
    {"luiSetString", LuiSetString},
    {"luiGetLabel", LuiGetLabel},
    {"luiSetLabel", LuiSetLabel},
    {"luiGetPosition", LuiGetPosition},
    {"luiSetPosition", LuiSetPosition},
    {"luiGetSize", LuiGetSize},
    {"luiSetSize", LuiSetSize},
    {"luiGetMax", LuiGetMax},
    {"luiGetMin", LuiGetMin},
    {"luiGetStep", LuiGetStep},
    {"luiSetMax", LuiSetMax},
    {"luiSetMin", LuiSetMin},
    {"luiSetStep", LuiSetStep},
    {"luiSetItems", LuiSetItems},
    {"luiGetItems", LuiGetItems},
    {"luiGetSelectedItems", LuiGetSelectedItems},
    {"luiGetFilePath", LuiGetFilePath},
    {"luiExecute", LuiExecute},
    {"luiColorAsString", LuiColorAsString},
    {"luiGetColor", LuiGetColor},
    {"luiSetColor", LuiSetColor},
};

} // namespace

void RegisterLuiLibrary() {
    RunScriptText(colourConstantScript());
    RunScriptText(controlConstantScript());
    for (const luaL_reg& function : kFunctions)
        RegisterGlobalFunction(function.name, function.func);
    for (const char* name : kDoNothingNames)
        RegisterGlobalFunction(name, DoNothing);
    RegisterLuiCreators();
    RegisterNativeDialogFunctions();
}
