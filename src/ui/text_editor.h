// The text editor (type 10): many lines of text with a cursor, a selection,
// the toolkit clipboard, syntax highlighting and two scroll bars, "TE_LR"
// along the bottom and "TE_UD" down the right side.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/control.h"
#include "ui/editor_layout.h"
#include "ui/text_field.h"

namespace ui {

// The text is kept within 16 MiB, so that pixel positions along it fit an int.
constexpr size_t kMaxEditorText = size_t{16} << 20;
// Where the text starts in the editor: the left margin and a pixel of air
// above the first line.
constexpr int kEditorTextLeft = 12;
constexpr int kEditorTextTop = 1;
// The scroll bars' thickness, taken off the text area's width and height.
constexpr int kEditorBarWidth = 10;
constexpr int kUpKey = 101;
constexpr int kDownKey = 103;

struct TextEditorData {
    // The text, the selection and the cursor, edited like a field's; its
    // `scroll` is the horizontal view offset.
    FieldData edit;
    int scheme = 0;    // which syntax scheme highlights it
    int highlight = 1; // drawn highlighted (when the scheme allows)
    int scrollY = 0;   // the vertical view offset
    TextExtent extent; // of the text at the last change
    size_t bells = 0;  // bells in the text at the last change
    // Counts the edits that reached the text through keys or a setter.
    uint64_t revision = 0;
};

// The record of a text editor; null for other controls.
TextEditorData* textEditorData(const Control* control);

// ---- Editing (no GL) ---------------------------------------------------------

enum class EditorKeyResult { NotClaimed, Claimed, Release };

// One key as the editor receives it, with the modifier keys held and the
// toolkit's overwrite mode. Enter inserts a newline, Tab a tab (both even in
// overwrite mode); Escape asks for the capture to be released.
EditorKeyResult editorKey(TextEditorData& editor, int character, int modifiers, bool overwrite);
// Left and Right move by a character, Up and Down to the same column of the
// next line; Shift extends the selection (so does Ctrl with Up and Down),
// Ctrl with Left and Right moves without selecting.
bool editorSpecialKey(TextEditorData& editor, int key, int modifiers);

// ---- Operations on the control ----------------------------------------------

// Replaces the text, keeping the cursor and the selection where they still
// fit. NULs are left out, and what goes past kMaxEditorText.
void setEditorText(Control* control, std::string_view text);
// Adds to the end of the text, as above, leaving the cursor and the
// selection alone.
void appendEditorText(Control* control, std::string_view text);
// Empties the text and puts the cursor, the selection and the view back at
// the start.
void clearEditor(Control* control);
// The selection to the toolkit clipboard; the clipboard at the cursor, in
// place of the selection; copying, then deleting the selection once the
// clipboard holds something.
void copyEditorSelection(Control* control);
void pasteIntoEditor(Control* control);
void cutEditorSelection(Control* control);
void toggleEditorHighlight(Control* control);
// After every change: measures the text, keeps the view on it and sets the
// scroll bars' thumbs and positions.
void refreshEditor(Control* control);

extern const ControlClass textEditorClass;

} // namespace ui
