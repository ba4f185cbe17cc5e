#include "ui/lui_creators_lua.h"

#include <string_view>

#include "script/script_host.h"
#include "ui/control_types.h"
#include "ui/file_dialog.h"
#include "ui/group.h"
#include "ui/icon_button.h"
#include "ui/item_list.h"
#include "ui/lui_arguments_lua.h"
#include "ui/lui_controls.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {

using namespace ui;
using std::string_view;

// ---- Property values ------------------------------------------------------------
// A reader sees the entry's key and, on top of the stack, its value.

bool IsKey(string_view key, string_view name) {
    return key == name;
}
bool IsKey(string_view key, string_view shortName, string_view name) {
    return key == shortName || key == name;
}

// Booleans, and numbers as nonzero; false when the value is neither.
bool ReadFlag(lua_State* L, bool* flag) {
    if (lua_isboolean(L, -1))
        *flag = lua_toboolean(L, -1);
    else if (lua_type(L, -1) == LUA_TNUMBER)
        *flag = lua_tonumber(L, -1) != 0;
    else
        return false;
    return true;
}

const char* TextValue(lua_State* L) {
    return lua_isstring(L, -1) ? lua_tostring(L, -1) : nullptr;
}

void SetCallback(lua_State* L, Callback* callback) {
    if (callback && lua_isstring(L, -1)) callback->setScript(lua_tostring(L, -1));
}

void SetStyleBit(Control* control, uint32_t bit, bool on) {
    setStyle(control, on ? control->style | bit : control->style & ~bit);
}

// ---- Reader chains ------------------------------------------------------------------

using Reader = void (*)(lua_State* L, Control* control, string_view key);

void ReadCommon(lua_State* L, Control* control, string_view key) {
    bool flag = false;
    if (IsKey(key, "en", "enabled")) {
        if (ReadFlag(L, &flag)) control->enabled = flag;
    } else if (IsKey(key, "vis", "visible")) {
        if (ReadFlag(L, &flag)) control->shown = flag;
    } else if (IsKey(key, "n", "name")) {
        if (const char* name = TextValue(L)) renameControl(control, name);
    } else if (IsKey(key, "l", "label")) {
        if (const char* label = TextValue(L)) setLabel(control, label);
    } else if (!lua_isnumber(L, -1)) {
        return;
    } else if (IsKey(key, "x")) {
        setPosition(control, ScriptInt(lua_tonumber(L, -1)), control->y);
    } else if (IsKey(key, "y")) {
        setPosition(control, control->x, ScriptInt(lua_tonumber(L, -1)));
    } else if (IsKey(key, "w", "width")) {
        setSize(control, ScriptInt(lua_tonumber(L, -1)), control->height);
    } else if (IsKey(key, "h", "height")) {
        setSize(control, control->width, ScriptInt(lua_tonumber(L, -1)));
    }
}

template <Reader Next> void ReadCommandThen(lua_State* L, Control* control, string_view key) {
    if (IsKey(key, "c", "command"))
        SetCallback(L, commandOf(control));
    else
        Next(L, control, key);
}

void ReadIntValue(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "v", "value")) return ReadCommon(L, control, key);
    if (lua_isnumber(L, -1)) setInt(control, ScriptInt(lua_tonumber(L, -1)));
}

void ReadStringValue(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "v", "value")) return ReadCommon(L, control, key);
    if (const char* text = TextValue(L)) setString(control, text);
}

void ReadFloatValue(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "v", "value")) return ReadCommon(L, control, key);
    if (lua_isnumber(L, -1)) setFloat(control, static_cast<float>(lua_tonumber(L, -1)));
}

// The bound a range key names; false for other keys.
bool RangeKey(string_view key, RangeBound* bound) {
    if (IsKey(key, "min", "minimum"))
        *bound = RangeBound::Minimum;
    else if (IsKey(key, "max", "maximum"))
        *bound = RangeBound::Maximum;
    else if (IsKey(key, "st", "step"))
        *bound = RangeBound::Step;
    else if (IsKey(key, "def", "default"))
        *bound = RangeBound::Default;
    else
        return false;
    return true;
}

template <Reader Next, bool Integer>
void ReadRangeThen(lua_State* L, Control* control, string_view key) {
    RangeBound bound;
    if (!RangeKey(key, &bound)) return Next(L, control, key);
    if (!lua_isnumber(L, -1)) return;
    double value = lua_tonumber(L, -1);
    setRangeBound(control, bound, Integer ? ScriptInt(value) : value);
}

template <Reader Next> void ReadItemsThen(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "items")) return Next(L, control, key);
    if (lua_istable(L, -1) && hasItemList(control)) AppendItemsFromTable(L, lua_gettop(L), control);
}

// ---- Per-creator keys ------------------------------------------------------------------

void ReadWindow(lua_State* L, Control* control, string_view key) {
    WindowData* window = windowData(control);
    bool flag = false;
    if (IsKey(key, "sz", "sizeable")) {
        if (window && ReadFlag(L, &flag)) window->sizeable = flag;
    } else if (IsKey(key, "os", "onsize")) {
        if (window) SetCallback(L, &window->onSize);
    } else if (IsKey(key, "om", "onmove")) {
        if (window) SetCallback(L, &window->onMove);
    } else if (IsKey(key, "od", "ondestroy")) {
        if (window) SetCallback(L, &window->onDestroy);
    } else {
        ReadCommon(L, control, key);
    }
}

void ReadFileDialog(lua_State* L, Control* control, string_view key) {
    bool flag = false;
    if (IsKey(key, "c", "command")) {
        SetCallback(L, fileDialogOkCommand(control));
    } else if (IsKey(key, "path")) {
        if (const char* path = TextValue(L)) setFileDialogFolder(control, path);
    } else if (IsKey(key, "sz", "sizeable")) {
        if (ReadFlag(L, &flag)) SetStyleBit(control, kStyleSizeable, flag);
    } else {
        ReadCommon(L, control, key);
    }
}

struct AnswerKey {
    const char* key;
    MessageBoxAnswer answer;
};
constexpr AnswerKey kAnswerKeys[] = {
    {"onok", MessageBoxAnswer::Ok},
    {"oncancel", MessageBoxAnswer::Cancel},
    {"onabort", MessageBoxAnswer::Abort},
    {"onretry", MessageBoxAnswer::Retry},
    {"onyes", MessageBoxAnswer::Yes},
    {"onno", MessageBoxAnswer::No},
    {"oncontinue", MessageBoxAnswer::Continue},
};

void ReadMessageBox(lua_State* L, Control* control, string_view key) {
    for (const AnswerKey& answer : kAnswerKeys)
        if (IsKey(key, answer.key)) return SetCallback(L, messageBoxAnswer(control, answer.answer));
    if (IsKey(key, "text")) {
        if (const char* text = TextValue(L)) setMessageBoxText(control, text);
    } else if (IsKey(key, "icon")) {
        if (lua_isnumber(L, -1)) setMessageBoxIcon(control, ScriptInt(lua_tonumber(L, -1)));
    } else if (IsKey(key, "type")) {
        if (lua_isnumber(L, -1)) setMessageBoxType(control, ScriptInt(lua_tonumber(L, -1)));
    } else if (IsKey(key, "l", "label")) {
        if (const char* title = TextValue(L)) setMessageBoxTitle(control, title);
    } else {
        ReadCommon(L, control, key);
    }
}

void ReadArrowButton(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "dir", "direction")) return ReadCommandThen<ReadCommon>(L, control, key);
    if (lua_isnumber(L, -1)) setStyle(control, ScriptInt(lua_tonumber(L, -1)));
}

void ReadIconButton(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "ic", "icon")) return ReadCommandThen<ReadCommon>(L, control, key);
    if (lua_isnumber(L, -1)) setIconButtonIcon(control, ScriptInt(lua_tonumber(L, -1)));
}

void ReadFloatSliderGroup(lua_State* L, Control* control, string_view key) {
    if (!IsKey(key, "l", "label"))
        return ReadCommandThen<ReadRangeThen<ReadCommon, false>>(L, control, key);
    if (const char* label = TextValue(L)) setGroupLabel(control, label);
}

// Picture and video views take their id through the integer value slot.
void SetViewId(lua_State* L, Control* control) {
    if (lua_isnumber(L, -1)) setInt(control, ScriptInt(lua_tonumber(L, -1)));
}

void ReadImageView(lua_State* L, Control* control, string_view key) {
    if (IsKey(key, "img", "image"))
        SetViewId(L, control);
    else
        ReadStringValue(L, control, key);
}

void ReadVideoView(lua_State* L, Control* control, string_view key) {
    if (IsKey(key, "avi"))
        SetViewId(L, control);
    else
        ReadStringValue(L, control, key);
}

void ReadLayout(lua_State* L, Control* control, string_view key) {
    bool flag = false;
    if (IsKey(key, "bd", "border")) {
        if (ReadFlag(L, &flag)) SetStyleBit(control, kStyleFlatBorder, flag);
    } else if (IsKey(key, "rbd", "raisedborder")) {
        if (ReadFlag(L, &flag)) SetStyleBit(control, kStyleRaisedBorder, flag);
    } else {
        ReadCommon(L, control, key);
    }
}

// ---- Creators -----------------------------------------------------------------------------

// Applies the table's entries with string keys, in `next` order, until one
// of them ends the control (a call-back may destroy it).
void ApplyProperties(lua_State* L, int table, Control* control, Reader read) {
    lua_pushnil(L);
    while (lua_next(L, table)) {
        if (lua_type(L, -2) == LUA_TSTRING) {
            size_t length = 0;
            const char* key = lua_tolstring(L, -2, &length);
            read(L, control, string_view(key, length));
            if (!isLiveControl(control)) {
                lua_pop(L, 2);
                return;
            }
        }
        lua_pop(L, 1);
    }
}

int PushName(lua_State* L, const Control* control) {
    if (!isLiveControl(control)) return 0;
    lua_pushstring(L, control->name);
    return 1;
}

// Creates the control and applies the table given as the first argument;
// anything else applies nothing.
int Create(lua_State* L, int type, Reader read, const char* name = nullptr) {
    Control* control = createControl(type, name);
    if (!control) return 0;
    if (lua_istable(L, 1)) ApplyProperties(L, 1, control, read);
    return PushName(L, control);
}

int LuiWindow(lua_State* L) {
    return Create(L, LUI_WINDOW, ReadWindow);
}
int LuiFileDialog(lua_State* L) {
    return Create(L, LUI_FILE_DIALOG, ReadFileDialog);
}
int LuiMessageBox(lua_State* L) {
    return Create(L, LUI_MESSAGEBOX, ReadMessageBox, "luiMessageBox");
}
int LuiScriptEditor(lua_State* L) {
    return Create(L, LUI_SCRIPT_EDITOR, ReadStringValue, "luiWindow");
}
int LuiTextEditor(lua_State* L) {
    return Create(L, LUI_TEXT_EDITOR, ReadStringValue);
}
int LuiButton(lua_State* L) {
    return Create(L, LUI_BUTTON, ReadCommandThen<ReadCommon>);
}
int LuiCheckBox(lua_State* L) {
    return Create(L, LUI_CHECKBOX, ReadCommandThen<ReadIntValue>);
}
int LuiClock(lua_State* L) {
    return Create(L, LUI_CLOCK, ReadCommon);
}
int LuiComboBox(lua_State* L) {
    return Create(L, LUI_COMBO_BOX, ReadItemsThen<ReadCommon>);
}
int LuiFloatField(lua_State* L) {
    return Create(L, LUI_FLOATFIELD, ReadCommandThen<ReadFloatValue>);
}
int LuiFloatSlider(lua_State* L) {
    return Create(L, LUI_FLOAT_SLIDER, ReadCommandThen<ReadRangeThen<ReadFloatValue, false>>);
}
int LuiFloatSliderGrp(lua_State* L) {
    return Create(L, LUI_FLOAT_SLIDER_GRP, ReadFloatSliderGroup);
}
int LuiIconButton(lua_State* L) {
    return Create(L, LUI_ICON_BUTTON, ReadIconButton);
}
int LuiImageView(lua_State* L) {
    return Create(L, kImageViewType, ReadImageView, "ImageView");
}
int LuiAviView(lua_State* L) {
    return Create(L, kVideoViewType, ReadVideoView, "AviView");
}
int LuiIntField(lua_State* L) {
    return Create(L, LUI_INTFIELD, ReadCommandThen<ReadIntValue>);
}
int LuiIntSlider(lua_State* L) {
    return Create(L, LUI_INT_SLIDER, ReadRangeThen<ReadIntValue, true>);
}
int LuiListBox(lua_State* L) {
    return Create(L, LUI_LIST_BOX, ReadCommandThen<ReadItemsThen<ReadCommon>>);
}
int LuiText(lua_State* L) {
    return Create(L, LUI_TEXT, ReadCommon);
}
int LuiTextField(lua_State* L) {
    return Create(L, LUI_TEXTFIELD, ReadCommandThen<ReadStringValue>);
}
int LuiFrameLayout(lua_State* L) {
    return Create(L, LUI_FRAME_LAYOUT, ReadLayout);
}
int LuiGroup(lua_State* L) {
    return Create(L, LUI_GROUP, ReadLayout);
}

// The one creator that insists on its table: without exactly one it still
// creates the button but gives no name back.
int LuiArrowButton(lua_State* L) {
    Control* control = createControl(LUI_ARROW_BUTTON, nullptr);
    if (!control || lua_gettop(L) != 1 || !lua_istable(L, 1)) return 0;
    ApplyProperties(L, 1, control, ReadArrowButton);
    return PushName(L, control);
}

const luaL_reg kCreators[] = {
    {"luiWindow", LuiWindow},
    {"luiFileDialog", LuiFileDialog},
    {"luiMessageBox", LuiMessageBox},
    {"luiScriptEditor", LuiScriptEditor},
    {"luiTextEditor", LuiTextEditor},
    {"luiArrowButton", LuiArrowButton},
    {"luiButton", LuiButton},
    {"luiCheckBox", LuiCheckBox},
    {"luiClock", LuiClock},
    {"luiComboBox", LuiComboBox},
    {"luiFloatField", LuiFloatField},
    {"luiFloatSlider", LuiFloatSlider},
    {"luiFloatSliderGrp", LuiFloatSliderGrp},
    {"luiIconButton", LuiIconButton},
    {"luiImageView", LuiImageView},
    {"luiAviView", LuiAviView},
    {"luiIntField", LuiIntField},
    {"luiIntSlider", LuiIntSlider},
    {"luiIntSliderGrp", LuiIntSlider},
    {"luiListBox", LuiListBox},
    {"luiText", LuiText},
    {"luiTextField", LuiTextField},
    {"luiFrameLayout", LuiFrameLayout},
    {"luiGroup", LuiGroup},
};

} // namespace

void AppendItemsFromTable(lua_State* L, int index, Control* control) {
    lua_pushnil(L);
    while (lua_next(L, index)) {
        if (lua_isstring(L, -1)) appendListItem(control, lua_tostring(L, -1));
        lua_pop(L, 1);
    }
}

void RegisterLuiCreators() {
    for (const luaL_reg& creator : kCreators)
        RegisterGlobalFunction(creator.name, creator.func);
}
