// The script editor (type 7): a window in which scripts are written, opened,
// saved and run, with a result view showing everything the process prints.
#pragma once

#include <array>

#include "ui/control.h"
#include "ui/editor_layout.h"
#include "ui/window.h"

namespace ui {

// The script editors whose result views receive the output. An editor
// created while all places are taken works in every other way but shows no
// output, even after places come free.
constexpr int kOutputPlaces = 32;

// The children, as made; each is used only while it is still a child.
struct ScriptEditorParts {
    Control* code = nullptr;   // "scriptEd_Text"
    Control* result = nullptr; // "scriptEd_Result"
    std::array<Control*, kScriptEditorButtons> buttons{};
    Control* execute = nullptr;
    Control* syntax = nullptr;
};

struct ScriptEditorData {
    WindowData window; // first, so that the window operations serve it
    ScriptEditorParts parts;
};

// The record of a script editor; null for other controls.
ScriptEditorData* scriptEditorData(const Control* control);
// Its code editor and result view while they are its children; else null.
Control* scriptEditorCode(const Control* control);
Control* scriptEditorResult(const Control* control);

// The idle work while the toolkit is visible: flushes standard output and
// gives what "./stdout.log" gained since the last look to the result view of
// every script editor in the list (with none, the log is left unread).
void refreshOutputViews();

extern const ControlClass scriptEditorClass;

} // namespace ui
