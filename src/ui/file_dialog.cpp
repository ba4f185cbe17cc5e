#include "ui/file_dialog.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_listing.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/control_types.h"
#include "ui/file_dialog_paths.h"
#include "ui/icon_button.h"
#include "ui/icons.h"
#include "ui/item_list.h"
#include "ui/text_field.h"
#include "ui/window.h"

namespace ui {

namespace {

enum Part { kHome, kUp, kList, kHidden, kFileName, kOk, kCancel, kLookIn, kPartCount };

struct PartRecipe {
    const char* name;
    int type;
    const char* label;
};

// In creation order, which is also drawing order: the "Look In:" box comes
// last so that its drop-down lies over the list.
constexpr PartRecipe kParts[kPartCount] = {
    {.name = "FDGoHome", .type = LUI_ICON_BUTTON, .label = ""},
    {.name = "FDGoUp", .type = LUI_ICON_BUTTON, .label = ""},
    {.name = "FDListBox", .type = LUI_LIST_BOX, .label = ""},
    {.name = "FDHiddenFiles", .type = LUI_CHECKBOX, .label = "View Hidden Files"},
    {.name = "FDFileName", .type = LUI_TEXTFIELD, .label = ""},
    {.name = "FDOkButton", .type = LUI_BUTTON, .label = "Ok"},
    {.name = "FDCancelButton", .type = LUI_BUTTON, .label = "Cancel"},
    {.name = "FDLookIn", .type = LUI_COMBO_BOX, .label = "Look In:"},
};

struct FileDialogData : WindowData {
    Callback okCommand;
    int showHidden = 0;
    FolderLevels levels;              // never empty once the dialog is made
    std::vector<DialogEntry> entries; // the list's rows, in order
    std::string chosenPath;           // what the last query returned
    Control* parts[kPartCount] = {};
    // Tells this dialog from one made later at the same address, so that OK
    // never destroys a dialog its command opened.
    unsigned serial = 0;
};

unsigned dialogsMade = 0;

FileDialogData* dialogData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_FILE_DIALOG) return nullptr;
    return static_cast<FileDialogData*>(static_cast<WindowData*>(control->data));
}

// A part while it is still the dialog's child: scripts may destroy parts or
// move them elsewhere.
Control* part(const Control* dialog, Part which) {
    const FileDialogData* data = dialogData(dialog);
    return data && isChildOf(dialog, data->parts[which]) ? data->parts[which] : nullptr;
}

// The dialog a part's command belongs to.
Control* dialogOf(Control* part) {
    return part && dialogData(part->parent) ? part->parent : nullptr;
}

void fillList(Control* dialog) {
    FileDialogData* data = dialogData(dialog);
    std::vector<platform::FolderEntry> found;
    platform::ListFolder(data->levels.back(), found); // an unreadable folder lists empty
    data->entries = arrangeListing(std::move(found), data->showHidden);
    Control* list = part(dialog, kList);
    setListItemCount(list, 0);
    for (const DialogEntry& entry : data->entries)
        appendListItem(list, entry.label.c_str());
}

// Shows the levels in "Look In:" with the current folder chosen, and lists it.
void showLevels(Control* dialog) {
    const FolderLevels& levels = dialogData(dialog)->levels;
    Control* lookIn = part(dialog, kLookIn);
    setListItemCount(lookIn, 0);
    for (const std::string& level : levels)
        appendListItem(lookIn, level.c_str());
    setCurrentListItem(lookIn, static_cast<int>(levels.size()) - 1);
    fillList(dialog);
}

// The entry behind a selected row, null when the list's items were changed
// from outside and the row has none.
const DialogEntry* selectedEntry(Control* dialog, int position) {
    const FileDialogData* data = dialogData(dialog);
    const int row = listSelectedIndex(part(dialog, kList), position);
    if (row < 0 || static_cast<size_t>(row) >= data->entries.size()) return nullptr;
    return &data->entries[row];
}

// Opens `path`; false, changing nothing, when it gives no level.
bool openFolder(Control* dialog, std::string_view path) {
    FolderLevels levels = folderLevels(path);
    if (levels.empty()) return false;
    dialogData(dialog)->levels = std::move(levels);
    showLevels(dialog);
    return true;
}

// A home the dialog cannot open leaves it at the root.
void openHome(Control* dialog) {
    if (!openFolder(dialog, homeFolderFrom(std::getenv("HOME")))) openFolder(dialog, "/");
}

// ---- The parts' commands (each runs with its part) -----------------------------

int goHome(Control* button) {
    if (Control* dialog = dialogOf(button)) openHome(dialog);
    return 0;
}

int goUp(Control* button) {
    Control* dialog = dialogOf(button);
    if (dialog && leaveFolder(dialogData(dialog)->levels)) showLevels(dialog);
    return 0;
}

// One folder clicked alone opens it; otherwise the chosen names go to the
// file-name field.
int entryClicked(Control* list) {
    Control* dialog = dialogOf(list);
    if (!dialog) return 0;
    const DialogEntry* first = selectedEntry(dialog, 0);
    if (first && first->isFolder && listSelectionCount(list) == 1) {
        enterFolder(dialogData(dialog)->levels, first->name);
        showLevels(dialog);
        return 0;
    }
    std::vector<std::string_view> names;
    for (int position = 0; position < listSelectionCount(list); ++position)
        if (const DialogEntry* entry = selectedEntry(dialog, position))
            names.push_back(entry->name);
    if (Control* field = part(dialog, kFileName)) setString(field, quotedNames(names).c_str());
    return 0;
}

// Follows the box rather than flipping a flag of its own, so that a script
// setting the box keeps the two in step.
int hiddenToggled(Control* box) {
    Control* dialog = dialogOf(box);
    if (!dialog) return 0;
    dialogData(dialog)->showHidden = getInt(box) != 0;
    fillList(dialog);
    return 0;
}

int okPressed(Control* button) {
    Control* dialog = dialogOf(button);
    if (!dialog) return 0;
    const unsigned serial = dialogData(dialog)->serial;
    dialogData(dialog)->okCommand.invoke(dialog);
    // The command may have closed the dialog already.
    if (isLiveControl(dialog) && dialogData(dialog) && dialogData(dialog)->serial == serial)
        destroyControl(dialog);
    return 0;
}

int cancelPressed(Control* button) {
    if (Control* dialog = dialogOf(button)) destroyControl(dialog);
    return 0;
}

int levelChosen(Control* lookIn) {
    Control* dialog = dialogOf(lookIn);
    if (dialog && keepLevelsThrough(dialogData(dialog)->levels, listSelectedIndex(lookIn, 0)))
        showLevels(dialog);
    return 0;
}

Callback* partCommand(Control* control) {
    if (ButtonData* button = buttonData(control)) return &button->command;
    if (CheckBoxData* box = checkBoxData(control)) return &box->command;
    if (ListData* list = listData(control)) return &list->command;
    return nullptr;
}

constexpr NativeCallback kPartCommands[kPartCount] = {
    goHome, goUp, entryClicked, hiddenToggled, nullptr, okPressed, cancelPressed, levelChosen,
};

// ---- Layout and the class ----------------------------------------------------------

// In the client area, below the title bar.
void layOutDialog(Control* dialog, int w, int h) {
    const int c = h - titleBarHeight();
    const int buttonWidth = w * 48 / 100;
    placeControl(part(dialog, kLookIn), 5, 5, w - 90, 36);
    placeControl(part(dialog, kHome), w - 80, 5, 30, 30);
    placeControl(part(dialog, kUp), w - 40, 5, 30, 30);
    placeControl(part(dialog, kList), 4, 45, w - 8, c - 140);
    placeControl(part(dialog, kFileName), 5, c - 90, w - 10, 25);
    placeControl(part(dialog, kHidden), 5, c - 60, w - 10, 25);
    placeControl(part(dialog, kOk), 5, c - 30, buttonWidth, 25);
    placeControl(part(dialog, kCancel), w - buttonWidth - 5, c - 30, buttonWidth, 25);
}

void createFileDialog(Control* dialog) {
    auto* data = new FileDialogData{};
    data->serial = ++dialogsMade;
    initWindow(dialog, data);
    setPosition(dialog, 100, 100);
    for (int which = 0; which < kPartCount; ++which) {
        Control* made = createChild(dialog, kParts[which].type, kParts[which].name);
        setLabel(made, kParts[which].label);
        if (Callback* command = partCommand(made)) command->setNative(kPartCommands[which]);
        data->parts[which] = made;
    }
    setIconButtonIcon(data->parts[kHome], ICON_MY_DOCUMENTS);
    setIconButtonIcon(data->parts[kUp], ICON_UP_FOLDER);
    setSize(dialog, 250, 300);
    openHome(dialog);
}

void destroyFileDialog(Control* dialog) {
    FileDialogData* data = dialogData(dialog);
    data->onDestroy.invoke(dialog);
    delete data;
    dialog->data = nullptr;
}

int dialogMinWidth(Control*) {
    return 150;
}
int dialogMinHeight(Control*) {
    return 250;
}

} // namespace

// The window's operations with the dialog's own layout, minimum size and value.
constinit const ControlClass fileDialogClass = [] {
    ControlClass cls = windowOperations(LUI_FILE_DIALOG, createFileDialog, destroyFileDialog);
    cls.minWidth = dialogMinWidth;
    cls.minHeight = dialogMinHeight;
    cls.resize = layOutDialog;
    cls.getString = fileDialogChosenPath;
    return cls;
}();

Control* openFileDialog(const char* name, NativeCallback onOk) {
    Control* dialog = createControl(LUI_FILE_DIALOG, name);
    if (!dialog) return nullptr;
    setLabel(dialog, name);
    dialogData(dialog)->okCommand.setNative(onOk);
    return dialog;
}

Callback* fileDialogOkCommand(Control* control) {
    FileDialogData* data = dialogData(control);
    return data ? &data->okCommand : nullptr;
}

void setFileDialogFolder(Control* control, const char* path) {
    if (dialogData(control) && path) openFolder(control, path);
}

const char* fileDialogChosenPath(Control* control) {
    FileDialogData* data = dialogData(control);
    if (!data) return nullptr;
    const DialogEntry* first = selectedEntry(control, 0);
    data->chosenPath = first ? data->levels.back() + first->name : std::string();
    return data->chosenPath.c_str();
}

Control* fileDialogList(Control* control) {
    return dialogData(control) ? part(control, kList) : nullptr;
}

} // namespace ui
