// The control types 0 to 55: their default names, where the factory places
// them and the operation table each is served by.
#pragma once

#include <string_view>

#include "ui/control.h"

namespace ui {

constexpr int kControlTypeCount = 56;

enum ControlTypeId : int {
    LUI_COLOR_CHOOSER = 0, LUI_CONSOLE, LUI_DISPLAY_SETTINGS, LUI_EXPLORER, LUI_FILE_DIALOG,
    LUI_MENUBAR, LUI_MESSAGEBOX, LUI_SCRIPT_EDITOR, LUI_SHELF, LUI_START_MENU, LUI_TEXT_EDITOR,
    LUI_TOOLBAR, LUI_WINDOW, LUI_ARROW_BUTTON, LUI_BUTTON, LUI_CHECKBOX, LUI_COLOR_SLIDER,
    LUI_COMBO_BOX, LUI_FLOATFIELD, LUI_FLOATFIELD_GRP, LUI_FLOAT_SLIDER, LUI_FLOAT_SLIDER_GRP,
    LUI_ICON_BUTTON, LUI_INTFIELD, LUI_INTFIELD_GRP, LUI_INT_SLIDER, LUI_INT_SLIDER_GRP,
    LUI_LIST_BOX, LUI_MENU, LUI_RADIO_BUTTON, LUI_TEXT, LUI_TEXTFIELD, LUI_FRAME_LAYOUT, LUI_GROUP,
    LUI_ICON_VIEW, LUI_LIST_VIEW, LUI_SCROLL_LAYOUT, LUI_SCROLL_BAR, LUI_TAB_LAYOUT, LUI_TILE_VIEW,
    LUI_TREE_VIEW, LUI_CLOCK, LUI_FLOAT_SHAKE, LUI_INT_SHAKE, LUI_FLOAT_DIAL, LUI_INT_DIAL,
    LUI_FLOAT_HOUDINI, LUI_INT_HOUDINI, LUI_FLOAT_SCROLL, LUI_INT_SCROLL, LUI_ROW_LAYOUT,
    LUI_COLUMN_LAYOUT,
    kImageViewType = 52,
    kVideoViewType = 53,
    kColourSliderPartType = 54,
    kColourSwatchType = 55,
};

enum class Placement {
    NotCreatable,
    TopLevel,   // appended to the root, brought to the front, given a task entry
    StartMenu,  // appended to the root, at most one
    Child,      // appended to currentParent
    Layout,     // appended to currentParent, then becomes currentParent
};

Placement placementOf(int type);
// The name a control of this type gets when created without one; types
// 54 and 55 have no table entry and are named "".
const char* defaultName(int type);
// The class serving `type`; null for types that cannot be created.
const ControlClass* classOf(int type);
// One of the 54 names of the default-name table.
bool isReservedName(std::string_view name);
// Windows share the move, resize, minimise, maximise and close behaviour.
bool isWindowType(int type);

} // namespace ui
