#include "ui/script_editor.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "script/script_calls.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_types.h"
#include "ui/file_tail.h"
#include "ui/fonts.h"
#include "ui/icon_button.h"
#include "ui/icons.h"
#include "ui/text_editor.h"

namespace ui {

namespace {

// ---- The output list -----------------------------------------------------------

// A script editor in the list, and what its result view was last given: the
// view, its revision after that, the log's generation and how much of the log.
struct OutputPlace {
    Control* editor = nullptr;
    Control* view = nullptr;
    uint64_t revision = 0;
    uint64_t generation = 0;
    size_t length = 0;
};

std::array<OutputPlace, kOutputPlaces> outputPlaces;

FileTail& outputLog() {
    static FileTail log("./stdout.log", kMaxEditorText);
    return log;
}

void enterOutputList(Control* editor) {
    for (OutputPlace& place : outputPlaces)
        if (!place.editor) {
            place = OutputPlace{.editor = editor};
            return;
        }
}

void leaveOutputList(const Control* editor) {
    for (OutputPlace& place : outputPlaces)
        if (place.editor == editor) place = OutputPlace{};
}

// Brings one result view up to the log: only what was added when the view
// still holds what it was last given, else the whole log.
void feed(OutputPlace& place, const FileTail& log) {
    Control* view = scriptEditorResult(place.editor);
    const TextEditorData* shown = textEditorData(view);
    if (!shown) return;
    const std::string& text = log.text();
    const bool inStep = place.view == view && place.revision == shown->revision &&
                        place.generation == log.generation();
    if (inStep && place.length == text.size()) return;
    if (inStep)
        appendEditorText(view, std::string_view(text).substr(place.length));
    else
        setEditorText(view, text);
    place.view = view;
    place.revision = shown->revision;
    place.generation = log.generation();
    place.length = text.size();
}

// ---- Parts and actions -----------------------------------------------------------

bool isChild(const Control* parent, const Control* child) {
    return child && std::find(parent->children.begin(), parent->children.end(), child) !=
                        parent->children.end();
}

Control* ownPart(const Control* editor, Control* part) {
    return isChild(editor, part) ? part : nullptr;
}

Control* ownEditorPart(const Control* editor, Control* part) {
    Control* own = ownPart(editor, part);
    return own && controlType(own) == LUI_TEXT_EDITOR ? own : nullptr;
}

// The code editor of the script editor a button or the check box belongs to.
Control* codeOf(const Control* part) {
    return scriptEditorCode(part->parent);
}

int newScript(Control* button) {
    clearEditor(codeOf(button));
    return 0;
}
int copyScript(Control* button) {
    copyEditorSelection(codeOf(button));
    return 0;
}
int pasteScript(Control* button) {
    pasteIntoEditor(codeOf(button));
    return 0;
}
int cutScript(Control* button) {
    cutEditorSelection(codeOf(button));
    return 0;
}
int toggleHighlighting(Control* box) {
    toggleEditorHighlight(codeOf(box));
    return 0;
}

int executeScript(Control* button) {
    const Control* code = codeOf(button);
    if (!code) return 0;
    // The script may destroy the editor, and the text with it, while it runs.
    const std::string text = textEditorData(code)->edit.text;
    RunScriptText(text.c_str());
    return 0;
}

struct ButtonSpec {
    const char* name;
    int icon;
    NativeCallback action;
};
const ButtonSpec kButtons[kScriptEditorButtons] = {
    {"scriptEd_New", ICON_NEW, newScript},       {"scriptEd_Open", ICON_OPEN, nullptr},
    {"scriptEd_Save", ICON_SAVE, nullptr},       {"scriptEd_Copy", ICON_COPY, copyScript},
    {"scriptEd_Paste", ICON_PASTE, pasteScript}, {"scriptEd_Cut", ICON_CUT, cutScript},
};

// ---- The class -------------------------------------------------------------------

Control* makePart(Control* editor, int type, const char* name) {
    Control* part = createControl(type, name);
    attachChild(editor, part);
    return part;
}

void place(Control* part, const Box& box) {
    if (!part) return;
    setPosition(part, box.x, box.y);
    setSize(part, box.width, box.height);
}

void layOutScriptEditor(Control* control, int width, int height) {
    const ScriptEditorData* data = scriptEditorData(control);
    if (!data) return;
    const ScriptEditorLayout layout =
        scriptEditorLayout(width, height, titleBarHeight(), fontHeight(fontForRole(1)));
    const ScriptEditorParts& parts = data->parts;
    for (int i = 0; i < kScriptEditorButtons; ++i)
        place(ownPart(control, parts.buttons[i]), layout.buttons[i]);
    place(ownPart(control, parts.execute), layout.execute);
    place(ownPart(control, parts.result), layout.result);
    place(ownPart(control, parts.code), layout.code);
    place(ownPart(control, parts.syntax), layout.syntax);
}

void createScriptEditor(Control* control) {
    auto* data = new ScriptEditorData{};
    initWindow(control, &data->window);
    ScriptEditorParts& parts = data->parts;
    parts.code = makePart(control, LUI_TEXT_EDITOR, "scriptEd_Text");
    parts.result = makePart(control, LUI_TEXT_EDITOR, "scriptEd_Result");
    textEditorData(parts.result)->highlight = 0;
    for (int i = 0; i < kScriptEditorButtons; ++i) {
        Control* button = makePart(control, LUI_ICON_BUTTON, kButtons[i].name);
        setIconButtonIcon(button, kButtons[i].icon);
        if (kButtons[i].action) buttonData(button)->command.setNative(kButtons[i].action);
        parts.buttons[i] = button;
    }
    parts.execute = makePart(control, LUI_BUTTON, "scriptEd_Execute");
    setLabel(parts.execute, "Execute!");
    buttonData(parts.execute)->command.setNative(executeScript);
    parts.syntax = makePart(control, LUI_CHECKBOX, "scriptEd_Syntax");
    setLabel(parts.syntax, "Enable Highlighting");
    checkBoxData(parts.syntax)->checked = 1;
    checkBoxData(parts.syntax)->command.setNative(toggleHighlighting);
    enterOutputList(control);
    setSize(control, 300, 300);
}

void destroyScriptEditor(Control* control) {
    leaveOutputList(control);
    delete scriptEditorData(control);
    control->data = nullptr;
}

int scriptEditorMinWidth(Control*) {
    return 15;
}
int scriptEditorMinHeight(Control*) {
    return fontHeight(fontForRole(3)) + 8;
}

const char* scriptEditorGetString(Control* control) {
    Control* code = scriptEditorCode(control);
    return code ? getString(code) : nullptr;
}

void scriptEditorSetString(Control* control, const char* text) {
    if (Control* code = scriptEditorCode(control)) setString(code, text);
}

} // namespace

const ControlClass scriptEditorClass{
    .typeId = LUI_SCRIPT_EDITOR,
    .isContainer = 1,
    .create = createScriptEditor,
    .destroy = destroyScriptEditor,
    .onKey = windowKey,
    .onSpecialKey = windowSpecialKey,
    .onDrag = windowDrag,
    .onHover = windowHover,
    .onMouseButton = windowMouseButton,
    .draw = windowDraw,
    .setStyle = windowSetStyle,
    .minWidth = scriptEditorMinWidth,
    .minHeight = scriptEditorMinHeight,
    .resize = layOutScriptEditor,
    .getString = scriptEditorGetString,
    .setString = scriptEditorSetString,
};

ScriptEditorData* scriptEditorData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_SCRIPT_EDITOR) return nullptr;
    return static_cast<ScriptEditorData*>(control->data);
}

Control* scriptEditorCode(const Control* control) {
    const ScriptEditorData* data = scriptEditorData(control);
    return data ? ownEditorPart(control, data->parts.code) : nullptr;
}

Control* scriptEditorResult(const Control* control) {
    const ScriptEditorData* data = scriptEditorData(control);
    return data ? ownEditorPart(control, data->parts.result) : nullptr;
}

void refreshOutputViews() {
    std::fflush(stdout);
    FileTail& log = outputLog();
    log.refresh();
    // An empty log leaves the views as they are.
    if (log.text().empty()) return;
    for (OutputPlace& place : outputPlaces)
        if (place.editor) feed(place, log);
}

} // namespace ui
