#include "ui/lui_constants.h"

#include <array>
#include <string>
#include <utility>

#include "ui/arrow_button.h"
#include "ui/control_types.h"
#include "ui/icons.h"

namespace ui {

namespace {

// Types 52 to 55 have no constant.
constexpr int kPublishedTypeCount = LUI_COLUMN_LAYOUT + 1;

constexpr std::array<const char*, kPublishedTypeCount> kTypeConstantNames = {
    "LUI_COLOR_CHOOSER",
    "LUI_CONSOLE",
    "LUI_DISPLAY_SETTINGS",
    "LUI_EXPLORER",
    "LUI_FILE_DIALOG",
    "LUI_MENUBAR",
    "LUI_MESSAGEBOX",
    "LUI_SCRIPT_EDITOR",
    "LUI_SHELF",
    "LUI_START_MENU",
    "LUI_TEXT_EDITOR",
    "LUI_TOOLBAR",
    "LUI_WINDOW",
    "LUI_ARROW_BUTTON",
    "LUI_BUTTON",
    "LUI_CHECKBOX",
    "LUI_COLOR_SLIDER",
    "LUI_COMBO_BOX",
    "LUI_FLOATFIELD",
    "LUI_FLOATFIELD_GRP",
    "LUI_FLOAT_SLIDER",
    "LUI_FLOAT_SLIDER_GRP",
    "LUI_ICON_BUTTON",
    "LUI_INTFIELD",
    "LUI_INTFIELD_GRP",
    "LUI_INT_SLIDER",
    "LUI_INT_SLIDER_GRP",
    "LUI_LIST_BOX",
    "LUI_MENU",
    "LUI_RADIO_BUTTON",
    "LUI_TEXT",
    "LUI_TEXTFIELD",
    "LUI_FRAME_LAYOUT",
    "LUI_GROUP",
    "LUI_ICON_VIEW",
    "LUI_LIST_VIEW",
    "LUI_SCROLL_LAYOUT",
    "LUI_SCROLL_BAR",
    "LUI_TAB_LAYOUT",
    "LUI_TILE_VIEW",
    "LUI_TREE_VIEW",
    "LUI_CLOCK",
    "LUI_FLOAT_SHAKE",
    "LUI_INT_SHAKE",
    "LUI_FLOAT_DIAL",
    "LUI_INT_DIAL",
    "LUI_FLOAT_HOUDINI",
    "LUI_INT_HOUDINI",
    "LUI_FLOAT_SCROLL",
    "LUI_INT_SCROLL",
    "LUI_ROW_LAYOUT",
    "LUI_COLUMN_LAYOUT",
};

// Arrow button symbols; a slider's label above or below takes the up and
// down bits.
constexpr std::pair<const char*, uint32_t> kDirections[] = {
    {"LUI_LEFT", LUI_LEFT},   {"LUI_RIGHT", LUI_RIGHT},           {"LUI_UP", LUI_UP},
    {"LUI_DOWN", LUI_DOWN},   {"LUI_FAST_RIGHT", LUI_FAST_RIGHT}, {"LUI_FAST_LEFT", LUI_FAST_LEFT},
    {"LUI_STOP", LUI_STOP},   {"LUI_PAUSE", LUI_PAUSE},           {"LUI_TOP", LUI_UP},
    {"LUI_BOTTOM", LUI_DOWN},
};

void assign(std::string& script, const char* name, long value) {
    script += name;
    script += '=';
    script += std::to_string(value);
    script += ";\n";
}

std::string buildConstantScript() {
    std::string script;
    for (int type = 0; type < kPublishedTypeCount; ++type)
        assign(script, kTypeConstantNames[type], type);
    for (const auto& [name, value] : kDirections)
        assign(script, name, value);
    for (int id = 0; id < kIconCount; ++id)
        assign(script, kIconNames[id], id);
    return script;
}

} // namespace

const char* controlConstantScript() {
    static const std::string script = buildConstantScript();
    return script.c_str();
}

} // namespace ui
