// The file dialog (type 4): a window for choosing a file. It browses folders
// in a list, keeps the folders above the current one in its "Look In:" box,
// goes home and up, shows or hides hidden files, and hands the choice to its
// OK command.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// A file dialog named `name` (by the naming rule) and titled with it, open
// at the home folder, whose OK button runs `onOk` with the dialog; the dialog
// is destroyed right after. Null when no dialog could be made.
Control* openFileDialog(const char* name, NativeCallback onOk);

// The command OK runs with the dialog; null for other controls.
Callback* fileDialogOkCommand(Control* control);
// Opens the folder `path` ("/" ends each level; a last level without one gets
// it). An empty path, or one too long for any file system, changes nothing.
void setFileDialogFolder(Control* control, const char* path);
// The current folder joined with the first selected entry; "" when nothing is
// selected, null for other controls. Valid until the dialog next changes.
const char* fileDialogChosenPath(Control* control);
// The list of entries; null for other controls.
Control* fileDialogList(Control* control);

extern const ControlClass fileDialogClass;

} // namespace ui
