#include "ui/control_types.h"

#include <array>

#include "ui/arrow_button.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/clock.h"
#include "ui/colour_slider.h"
#include "ui/colour_swatch.h"
#include "ui/combo_box.h"
#include "ui/file_dialog.h"
#include "ui/float_shake.h"
#include "ui/frame_layout.h"
#include "ui/group.h"
#include "ui/icon_button.h"
#include "ui/image_view.h"
#include "ui/list_box.h"
#include "ui/message_box.h"
#include "ui/script_editor.h"
#include "ui/scroll_bar.h"
#include "ui/slider.h"
#include "ui/slider_group.h"
#include "ui/start_menu.h"
#include "ui/static_text.h"
#include "ui/text_editor.h"
#include "ui/text_field.h"
#include "ui/video_view.h"
#include "ui/window.h"

namespace ui {

namespace {

// The toolkit's name table, in type order; it is also the set of reserved
// base names. Entries 50 to 53 name the image and video views.
constexpr std::array<const char*, 54> kNameTable = {
    "luiColourChooser", "luiConsole", "luiDisplaySettings", "luiExplorer", "luiFileDialog",
    "luiMenubar", "luiMessageBox", "luiScriptEditor", "luiShelf", "luiStartMenu",
    "luiTextEditor", "luiToolbar", "luiWindow", "luiArrowButton", "luiButton", "luiCheckBox",
    "luiColorSlider", "luiComboBox", "luiFloatField", "luiFloatFieldGrp", "luiFloatSlider",
    "luiFloatSliderGrp", "luiIconButton", "luiIntField", "luiIntFieldGrp", "luiIntSlider",
    "luiIntSliderGrp", "luiListBox", "luiMenu", "luiRadioButton", "luiText", "luiTextField",
    "luiFrameLayout", "luiGroup", "luiIconView", "luiListView", "luiScrollBar",
    "luiScrollLayout", "luiTabLayout", "luiTileView", "luiTreeView", "luiClock",
    "luiFloatShake", "luiIntShake", "luiFloatDial", "luiIntDial", "luiFloatHoudini",
    "luiIntHoudini", "luiFloatScroll", "luiIntScroll", "luiImageView", "luiAviView",
    "luiColorButton", "luiColorTab",
};

// Classes of types whose controls have no behaviour: a type number and, for
// the scroll layout, the container flag.
constexpr std::array<ControlClass, kControlTypeCount> kPlaceholders = [] {
    std::array<ControlClass, kControlTypeCount> classes{};
    for (int type = 0; type < kControlTypeCount; ++type) classes[type].typeId = type;
    classes[LUI_SCROLL_LAYOUT].isContainer = 1;
    classes[LUI_MENU].typeId = 0;
    return classes;
}();

} // namespace

Placement placementOf(int type) {
    switch (type) {
    case LUI_COLOR_CHOOSER: case LUI_CONSOLE: case LUI_DISPLAY_SETTINGS: case LUI_EXPLORER:
    case LUI_FILE_DIALOG: case LUI_MENUBAR: case LUI_MESSAGEBOX: case LUI_SCRIPT_EDITOR:
    case LUI_SHELF: case LUI_TOOLBAR: case LUI_WINDOW:
        return Placement::TopLevel;
    case LUI_START_MENU: return Placement::StartMenu;
    case LUI_FRAME_LAYOUT: case LUI_GROUP: case LUI_ICON_VIEW: case LUI_LIST_VIEW:
    case LUI_SCROLL_LAYOUT: case LUI_TAB_LAYOUT: case LUI_TILE_VIEW: case LUI_TREE_VIEW:
        return Placement::Layout;
    case LUI_ROW_LAYOUT: case LUI_COLUMN_LAYOUT: return Placement::NotCreatable;
    default: return type >= 0 && type < kControlTypeCount ? Placement::Child : Placement::NotCreatable;
    }
}

const char* defaultName(int type) {
    if (type == kImageViewType || type == kVideoViewType) return kNameTable[type];
    if (type >= 0 && type < LUI_ROW_LAYOUT) return kNameTable[type];
    return "";
}

const ControlClass* classOf(int type) {
    if (placementOf(type) == Placement::NotCreatable) return nullptr;
    if (type == LUI_WINDOW) return &windowClass;
    if (type == LUI_START_MENU) return &startMenuClass;
    if (type == LUI_MESSAGEBOX) return &messageBoxClass;
    if (type == LUI_CLOCK) return &clockClass;
    if (type == LUI_FLOAT_SLIDER) return &floatSliderClass;
    if (type == LUI_INT_SLIDER) return &intSliderClass;
    if (type == LUI_FRAME_LAYOUT) return &frameLayoutClass;
    if (type == LUI_GROUP) return &groupClass;
    if (type == LUI_LIST_BOX) return &listBoxClass;
    if (type == LUI_COMBO_BOX) return &comboBoxClass;
    if (type == LUI_FLOAT_SLIDER_GRP) return &floatSliderGroupClass;
    if (type == LUI_INT_SLIDER_GRP) return &intSliderGroupClass;
    if (type == LUI_COLOR_SLIDER) return &colourSliderClass;
    if (type == kColourSliderPartType) return &colourSliderSwatchClass;
    if (type == kImageViewType) return &imageViewClass;
    if (type == kVideoViewType) return &videoViewClass;
    if (type == kColourSwatchType) return &colourSwatchClass;
    if (type == LUI_SCROLL_BAR) return &scrollBarClass;
    if (type == LUI_TEXT) return &staticTextClass;
    if (type == LUI_TEXTFIELD) return &textFieldClass;
    if (type == LUI_INTFIELD) return &intFieldClass;
    if (type == LUI_FLOATFIELD) return &floatFieldClass;
    if (type == LUI_BUTTON) return &buttonClass;
    if (type == LUI_ARROW_BUTTON) return &arrowButtonClass;
    if (type == LUI_ICON_BUTTON) return &iconButtonClass;
    if (type == LUI_CHECKBOX) return &checkBoxClass;
    if (type == LUI_FLOAT_SHAKE) return &floatShakeClass;
    if (type == LUI_TEXT_EDITOR) return &textEditorClass;
    if (type == LUI_SCRIPT_EDITOR) return &scriptEditorClass;
    if (type == LUI_FILE_DIALOG) return &fileDialogClass;
    return &kPlaceholders[type];
}

bool isReservedName(std::string_view name) {
    for (const char* reserved : kNameTable)
        if (name == reserved) return true;
    return false;
}

bool isWindowType(int type) {
    return type == LUI_FILE_DIALOG || type == LUI_SCRIPT_EDITOR || type == LUI_WINDOW;
}

} // namespace ui
