#include "ui/script_editor.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "script/script_calls.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_types.h"
#include "ui/file_dialog.h"
#include "ui/file_tail.h"
#include "ui/fonts.h"
#include "ui/icon_button.h"
#include "ui/icons.h"
#include "ui/item_list.h"
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

Control* ownPart(const Control* editor, Control* part) {
    return isChildOf(editor, part) ? part : nullptr;
}

Control* ownEditorPart(const Control* editor, Control* part) {
    Control* own = ownPart(editor, part);
    return own && controlType(own) == LUI_TEXT_EDITOR ? own : nullptr;
}

// The code editor of the script editor a button or the check box belongs to.
Control* codeOf(const Control* part) {
    return scriptEditorCode(part->parent);
}

// A part's command doing `Action` to the code editor.
template <void (*Action)(Control*)> int onCode(Control* part) {
    Action(codeOf(part));
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

// ---- Opening and saving ------------------------------------------------------------

// The file dialogs open, each with the script editor that opened it. An
// editor that goes takes its entries with it, so a dialog's OK never reaches
// a freed editor.
std::vector<std::pair<Control*, Control*>> openDialogs;

void rememberOpener(Control* dialog, Control* editor) {
    std::erase_if(openDialogs, [dialog](const auto& entry) {
        return entry.first == dialog || !isLiveControl(entry.first);
    });
    openDialogs.emplace_back(dialog, editor);
}

Control* takeOpener(Control* dialog) {
    const auto entry = std::find_if(openDialogs.begin(), openDialogs.end(),
                                    [dialog](const auto& entry) { return entry.first == dialog; });
    if (entry == openDialogs.end()) return nullptr;
    Control* editor = entry->second;
    openDialogs.erase(entry);
    return editor;
}

// The file a dialog's OK names: a name typed into its file-name field (from
// the folder shown, unless it starts at the root), else the folder joined
// with the first entry chosen; "" for none. Typed names win so that saving
// goes to the file named, not to one clicked before.
std::string chosenFile(Control* dialog) {
    Control* field = childOfType(dialog, LUI_TEXTFIELD);
    const char* typed = field ? getString(field) : nullptr;
    if (typed && *typed && *typed != '"') {
        if (*typed == '/') return typed;
        const Control* lookIn = childOfType(dialog, LUI_COMBO_BOX);
        const char* folder = lookIn ? listItemText(lookIn, listSelectedIndex(lookIn, 0)) : nullptr;
        return std::string(folder ? folder : "") + typed;
    }
    const char* path = fileDialogChosenPath(dialog);
    return path ? path : "";
}

int noFileChosen() {
    std::printf("[ERROR] No script file chosen\n");
    return 0;
}

int loadChosenScript(Control* dialog) {
    Control* code = scriptEditorCode(takeOpener(dialog));
    if (!code) return 0;
    const std::string path = chosenFile(dialog);
    if (path.empty()) return noFileChosen();
    std::ifstream in(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path) || !in) {
        std::printf("[ERROR] Unable to open script file %s\n", path.c_str());
        return 0;
    }
    std::string text(kMaxEditorText, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    clearEditor(code);
    setEditorText(code, text);
    return 0;
}

int saveChosenScript(Control* dialog) {
    const Control* code = scriptEditorCode(takeOpener(dialog));
    if (!code) return 0;
    const std::string path = chosenFile(dialog);
    if (path.empty()) return noFileChosen();
    const std::string& text = textEditorData(code)->edit.text;
    FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if ((file && std::fclose(file) != 0) || !written)
        std::printf("[ERROR] Unable to save script file %s\n", path.c_str());
    return 0;
}

void askForFile(Control* button, const char* title, NativeCallback onOk) {
    Control* editor = button->parent;
    if (!scriptEditorCode(editor)) return;
    if (Control* dialog = openFileDialog(title, onOk)) rememberOpener(dialog, editor);
}

int openScript(Control* button) {
    askForFile(button, "Open Script File", loadChosenScript);
    return 0;
}
int saveScript(Control* button) {
    askForFile(button, "Save Script File", saveChosenScript);
    return 0;
}

struct ButtonSpec {
    const char* name;
    int icon;
    NativeCallback action;
};
const ButtonSpec kButtons[kScriptEditorButtons] = {
    {"scriptEd_New", ICON_NEW, onCode<clearEditor>},
    {"scriptEd_Open", ICON_OPEN, openScript},
    {"scriptEd_Save", ICON_SAVE, saveScript},
    {"scriptEd_Copy", ICON_COPY, onCode<copyEditorSelection>},
    {"scriptEd_Paste", ICON_PASTE, onCode<pasteIntoEditor>},
    {"scriptEd_Cut", ICON_CUT, onCode<cutEditorSelection>},
};

// ---- The class -------------------------------------------------------------------

void place(Control* part, const Box& box) {
    placeControl(part, box.x, box.y, box.width, box.height);
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
    parts.code = createChild(control, LUI_TEXT_EDITOR, "scriptEd_Text");
    parts.result = createChild(control, LUI_TEXT_EDITOR, "scriptEd_Result");
    textEditorData(parts.result)->highlight = 0;
    for (int i = 0; i < kScriptEditorButtons; ++i) {
        Control* button = createChild(control, LUI_ICON_BUTTON, kButtons[i].name);
        setIconButtonIcon(button, kButtons[i].icon);
        buttonData(button)->command.setNative(kButtons[i].action);
        parts.buttons[i] = button;
    }
    parts.execute = createChild(control, LUI_BUTTON, "scriptEd_Execute");
    setLabel(parts.execute, "Execute!");
    buttonData(parts.execute)->command.setNative(executeScript);
    parts.syntax = createChild(control, LUI_CHECKBOX, "scriptEd_Syntax");
    setLabel(parts.syntax, "Enable Highlighting");
    checkBoxData(parts.syntax)->checked = 1;
    checkBoxData(parts.syntax)->command.setNative(onCode<toggleEditorHighlight>);
    enterOutputList(control);
    setSize(control, 300, 300);
}

void destroyScriptEditor(Control* control) {
    leaveOutputList(control);
    std::erase_if(openDialogs, [control](const auto& entry) { return entry.second == control; });
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

// The window's operations with the editor's own layout, minimum size and value.
constinit const ControlClass scriptEditorClass = [] {
    ControlClass cls = windowOperations(LUI_SCRIPT_EDITOR, createScriptEditor, destroyScriptEditor);
    cls.minWidth = scriptEditorMinWidth;
    cls.minHeight = scriptEditorMinHeight;
    cls.resize = layOutScriptEditor;
    cls.getString = scriptEditorGetString;
    cls.setString = scriptEditorSetString;
    return cls;
}();

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
    // Nobody to show the log to: it is not looked at until a script editor exists.
    if (std::none_of(outputPlaces.begin(), outputPlaces.end(),
                     [](const OutputPlace& place) { return place.editor; }))
        return;
    FileTail& log = outputLog();
    log.refresh();
    // An empty log leaves the views as they are.
    if (log.text().empty()) return;
    for (OutputPlace& place : outputPlaces)
        if (place.editor) feed(place, log);
}

} // namespace ui
