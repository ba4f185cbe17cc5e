// Text, integer and float fields: one line of editable text with a cursor,
// a selection, overwrite mode, the toolkit clipboard and horizontal scrolling.
// The three types share one set of operations and differ in how the text is
// read and written as a value.
#pragma once

#include <string>
#include <string_view>

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

enum class FieldKind : int { Text = 0, Integer = 1, Float = 2 };

// Key codes the fields act on: characters, and GLUT's special keys.
constexpr int kBackspaceKey = 8;
constexpr int kTabKey = 9;
constexpr int kEnterKey = 13;
constexpr int kEscapeKey = 27;
constexpr int kDeleteKey = 127;
constexpr int kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;
constexpr int kF1Key = 1;
constexpr int kLeftKey = 100;
constexpr int kRightKey = 102;

// The `data` of every field (the float shake keeps it as its first member).
struct FieldData {
    Callback command; // runs when editing ends
    FieldKind kind = FieldKind::Text;
    std::string text;
    int selecting = 0;
    int anchor = 0;       // where the selection started
    int selectionEnd = 0; // where it ends; the anchor may lie either side
    int cursor = 0;       // characters before the cursor
    int scroll = 0;       // pixels of text scrolled out on the left
};

// The record of a text, integer or float field or a float shake; null for
// other controls.
FieldData* fieldData(const Control* control);

// ---- Editing (no GL) --------------------------------------------------------

enum class FieldKeyResult {
    NotClaimed,
    Claimed,
    Finished, // Enter or Escape: editing ends
};

// Replaces the text, keeping the cursor where it still fits; ends any
// selection. Texts are kept below a bound on script-chosen storage.
void setFieldText(FieldData& field, std::string_view text);
void selectAllText(FieldData& field);
// Keeps the cursor and both ends of the selection within the text.
void clampToText(FieldData& field);
// Whether a non-empty range is selected.
bool hasSelection(const FieldData& field);
// One key as the control receives it, with the modifier keys held and the
// toolkit's overwrite mode.
FieldKeyResult fieldKey(FieldData& field, int character, int modifiers, bool overwrite);
// Left and Right move the cursor (Shift selects, Ctrl keeps the selection);
// F1 is taken and ignored. False for keys the field does not take.
bool fieldSpecialKey(FieldData& field, int key, int modifiers);

// Pixels from the start of the text to the point before character `index`.
int fieldPixelOffset(const FieldData& field, int font, int index);
// Where a press `x` pixels into the field puts the cursor: before the first
// character whose right edge lies past scroll + x.
int fieldIndexAt(const FieldData& field, int font, int x);
// Scrolls a field `width` wide so that the cursor stays in view, and keeps
// the selection within the text.
void keepCursorInView(FieldData& field, int font, int width);

// ---- Operations (shared with the float shake) --------------------------------

int fieldMouseButton(Control* control, int button, int state, int x, int y);
int fieldDrag(Control* control, int x, int y, int dx, int dy);
int fieldOnKey(Control* control, int character, int x, int y);
int fieldOnSpecialKey(Control* control, int key, int x, int y);
void drawField(Control* control);
int fieldGetInt(Control* control);
double fieldGetFloat(Control* control);
// The text, owned by the field and valid until it changes.
const char* fieldGetString(Control* control);
void fieldSetInt(Control* control, int value);
void fieldSetFloat(Control* control, float value);
void fieldSetString(Control* control, const char* text);

// The table every field type shares, for its type number and the functions
// that make and free its data; the float shake replaces some entries.
constexpr ControlClass fieldOperations(int typeId, void (*create)(Control*),
                                       void (*destroy)(Control*)) {
    return {
        .typeId = typeId,
        .create = create,
        .destroy = destroy,
        .onKey = fieldOnKey,
        .onSpecialKey = fieldOnSpecialKey,
        .onDrag = fieldDrag,
        .onMouseButton = fieldMouseButton,
        .draw = drawField,
        .getInt = fieldGetInt,
        .getFloat = fieldGetFloat,
        .getString = fieldGetString,
        .setInt = fieldSetInt,
        .setFloat = fieldSetFloat,
        .setString = fieldSetString,
    };
}

extern const ControlClass textFieldClass;
extern const ControlClass intFieldClass;
extern const ControlClass floatFieldClass;

} // namespace ui
