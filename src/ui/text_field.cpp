#include "ui/text_field.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/glut_backend.h"
#include "ui/caret_phase.h"
#include "ui/clipboard.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

// A field's text stays within 16 MiB, well inside the bound on storage a
// script may choose, so that pixel offsets along it fit an int.
constexpr size_t kMaxFieldText = size_t{16} << 20;
// The text starts this far in from the left edge; the caret must stay this
// far from the right one.
constexpr int kTextInset = 4;

int textFont() {
    return fontForRole(3);
}

int length(const FieldData& field) {
    return static_cast<int>(field.text.size());
}

int clampIndex(const FieldData& field, int index) {
    return std::clamp(index, 0, length(field));
}

void endSelection(FieldData& field) {
    field.selecting = 0;
}

void deleteSelection(FieldData& field) {
    const int from = std::min(field.anchor, field.selectionEnd);
    const int to = std::max(field.anchor, field.selectionEnd);
    field.text.erase(from, to - from);
    field.cursor = field.anchor = field.selectionEnd = from;
    endSelection(field);
}

// Puts `text` at the cursor in place of the selection, as far as the bound allows.
void insertText(FieldData& field, std::string_view text) {
    if (hasSelection(field)) deleteSelection(field);
    endSelection(field);
    text = text.substr(0, kMaxFieldText - field.text.size());
    field.text.insert(field.cursor, text);
    field.cursor += static_cast<int>(text.size());
}

void typeCharacter(FieldData& field, char c, bool overwrite) {
    if (!hasSelection(field) && overwrite && field.cursor < length(field)) {
        endSelection(field);
        field.text[field.cursor++] = c;
        return;
    }
    insertText(field, std::string_view(&c, 1));
}

void copySelection(const FieldData& field) {
    if (!hasSelection(field)) return;
    const int from = std::min(field.anchor, field.selectionEnd);
    const int to = std::max(field.anchor, field.selectionEnd);
    setClipboardText(std::string_view(field.text).substr(from, to - from));
}

FieldKeyResult ctrlKey(FieldData& field, int character) {
    switch (character) {
    case kCtrlA:
        selectAllText(field);
        break;
    case kCtrlC:
        copySelection(field);
        break;
    case kCtrlV:
        if (!clipboardEmpty()) insertText(field, clipboardText());
        break;
    case kCtrlX:
        copySelection(field);
        if (!clipboardEmpty() && hasSelection(field)) deleteSelection(field);
        break;
    default:
        return FieldKeyResult::NotClaimed;
    }
    return FieldKeyResult::Claimed;
}

// Finishing an edit gives the focus back and tells the owner.
void finishEditing(Control* control) {
    releaseCaptureOf(control);
    fieldData(control)->command.invoke(control);
}

void afterChange(Control* control) {
    keepCursorInView(*fieldData(control), textFont(), control->width);
}

template <FieldKind Kind> void createField(Control* control) {
    control->data = new FieldData{.kind = Kind};
    setLeafDefaults(control);
}

} // namespace

const ControlClass textFieldClass =
    fieldOperations(LUI_TEXTFIELD, createField<FieldKind::Text>, destroyRecord<FieldData>);
const ControlClass intFieldClass =
    fieldOperations(LUI_INTFIELD, createField<FieldKind::Integer>, destroyRecord<FieldData>);
const ControlClass floatFieldClass =
    fieldOperations(LUI_FLOATFIELD, createField<FieldKind::Float>, destroyRecord<FieldData>);

FieldData* fieldData(const Control* control) {
    if (!control || !control->data) return nullptr;
    switch (controlType(control)) {
    case LUI_TEXTFIELD:
    case LUI_INTFIELD:
    case LUI_FLOATFIELD:
    case LUI_FLOAT_SHAKE:
        return static_cast<FieldData*>(control->data);
    default:
        return nullptr;
    }
}

// ---- Editing ---------------------------------------------------------------

void setFieldText(FieldData& field, std::string_view text) {
    field.text.assign(text.substr(0, kMaxFieldText));
    field.cursor = clampIndex(field, field.cursor);
    endSelection(field);
}

void selectAllText(FieldData& field) {
    field.selecting = 1;
    field.anchor = 0;
    field.selectionEnd = field.cursor = length(field);
}

bool hasSelection(const FieldData& field) {
    return field.selecting && field.anchor != field.selectionEnd;
}

FieldKeyResult fieldKey(FieldData& field, int character, int modifiers, bool overwrite) {
    if (modifiers & platform::kCtrlModifier) return ctrlKey(field, character);
    if (modifiers & platform::kAltModifier)
        return character == kTabKey ? FieldKeyResult::Claimed : FieldKeyResult::NotClaimed;
    switch (character) {
    case kEnterKey:
    case kEscapeKey:
        return FieldKeyResult::Finished;
    case kBackspaceKey:
        if (hasSelection(field)) {
            deleteSelection(field);
        } else if (field.cursor > 0) {
            field.text.erase(--field.cursor, 1);
            endSelection(field);
        }
        break;
    case kDeleteKey:
        if (hasSelection(field)) {
            deleteSelection(field);
        } else if (field.cursor < length(field)) {
            field.text.erase(field.cursor, 1);
            endSelection(field);
        }
        break;
    case 0:
        break; // would end the text early for everyone who reads it
    default:
        typeCharacter(field, static_cast<char>(character), overwrite);
    }
    return FieldKeyResult::Claimed;
}

bool fieldSpecialKey(FieldData& field, int key, int modifiers) {
    if (key == kF1Key) return true;
    if (key != kLeftKey && key != kRightKey) return false;
    const int moved = clampIndex(field, field.cursor + (key == kLeftKey ? -1 : 1));
    if (modifiers & platform::kCtrlModifier) {
        field.cursor = moved;
    } else if (modifiers & platform::kShiftModifier) {
        if (!field.selecting) {
            field.selecting = 1;
            field.anchor = field.cursor;
        }
        field.cursor = field.selectionEnd = moved;
    } else {
        field.cursor = moved;
        endSelection(field);
    }
    return true;
}

int fieldPixelOffset(const FieldData& field, int font, int index) {
    int pixels = 0;
    const int end = clampIndex(field, index);
    for (int i = 0; i < end; ++i)
        pixels += charWidth(font, static_cast<unsigned char>(field.text[i]));
    return pixels;
}

int fieldIndexAt(const FieldData& field, int font, int x) {
    int edge = 0;
    for (int i = 0; i < length(field); ++i) {
        edge += charWidth(font, static_cast<unsigned char>(field.text[i]));
        if (edge > field.scroll + x) return i;
    }
    return length(field);
}

void clampToText(FieldData& field) {
    field.cursor = clampIndex(field, field.cursor);
    field.anchor = clampIndex(field, field.anchor);
    field.selectionEnd = clampIndex(field, field.selectionEnd);
}

void keepCursorInView(FieldData& field, int font, int width) {
    clampToText(field);
    const int caret = fieldPixelOffset(field, font, field.cursor);
    if (caret > field.scroll + width - 2 * kTextInset || caret < field.scroll)
        field.scroll = std::max(0, caret - width / 2);
}

// ---- Operations --------------------------------------------------------------

int fieldMouseButton(Control* control, int button, int state, int x, int y) {
    FieldData* field = fieldData(control);
    const bool focused = capturedControl() == control;
    // The release of a press that went to the field is the field's.
    if (state == kButtonUp) return focused && button == kLeftButton;
    if (button != kLeftButton) return 0;
    if (!focused) {
        selectAllText(*field);
        setCapture(control);
    } else if (x < 1 || y < 1 || x >= control->width || y >= control->height) {
        // The press goes on to whatever it landed on.
        finishEditing(control);
        return 0;
    } else {
        field->cursor = fieldIndexAt(*field, textFont(), x);
        endSelection(*field);
    }
    afterChange(control);
    return 1;
}

int fieldDrag(Control* control, int x, int, int, int) {
    if (capturedControl() != control) return 0;
    FieldData* field = fieldData(control);
    field->cursor = fieldIndexAt(*field, textFont(), x);
    endSelection(*field);
    afterChange(control);
    return 1;
}

int fieldOnKey(Control* control, int character, int, int) {
    switch (fieldKey(*fieldData(control), character, platform::HeldModifiers(), overwriteMode())) {
    case FieldKeyResult::NotClaimed:
        return 0;
    case FieldKeyResult::Finished:
        finishEditing(control);
        return 1;
    case FieldKeyResult::Claimed:
        break;
    }
    afterChange(control);
    return 1;
}

int fieldOnSpecialKey(Control* control, int key, int, int) {
    if (!fieldSpecialKey(*fieldData(control), key, platform::HeldModifiers())) return 0;
    afterChange(control);
    return 1;
}

void drawField(Control* control) {
    const FieldData* field = fieldData(control);
    const int font = textFont(), width = control->width, height = control->height;
    auto textX = [&](int index) {
        return kTextInset + fieldPixelOffset(*field, font, index) - field->scroll;
    };
    whitePanel(0, 0, width, height);
    pushClipLocal(kTextInset, 0, width - 2 * kTextInset, height);
    setColour(LUI_COLOR_HIGHLIGHT);
    if (field->selecting) {
        fillRect(textX(field->anchor), kTextInset, textX(field->selectionEnd), height - kTextInset);
    } else if (overwriteMode() && field->cursor < length(*field)) {
        const int left = textX(field->cursor);
        const int right =
            left + charWidth(font, static_cast<unsigned char>(field->text[field->cursor]));
        fillRect(left, kTextInset, right, height - kTextInset);
    }
    if (capturedControl() == control && caretPhaseOn()) {
        setColour(LUI_COLOR_DARK_GREY);
        line(textX(field->cursor), kTextInset, 0, height - 2 * kTextInset - 1);
    }
    setColour(LUI_COLOR_WINDOW_TEXT);
    drawText(font, field->text.c_str(), kTextInset - field->scroll,
             (height - fontHeight(font)) / 2);
    popClip();
}

int fieldGetInt(Control* control) {
    const FieldData* field = fieldData(control);
    if (field->kind != FieldKind::Integer) return 0;
    const long long value = strtoll(field->text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

double fieldGetFloat(Control* control) {
    const FieldData* field = fieldData(control);
    return field->kind == FieldKind::Float ? strtod(field->text.c_str(), nullptr) : 0.0;
}

const char* fieldGetString(Control* control) {
    return fieldData(control)->text.c_str();
}

void fieldSetInt(Control* control, int value) {
    FieldData* field = fieldData(control);
    if (field->kind != FieldKind::Integer) return;
    setFieldText(*field, std::to_string(value));
    afterChange(control);
}

void fieldSetFloat(Control* control, float value) {
    FieldData* field = fieldData(control);
    if (field->kind != FieldKind::Float) return;
    char text[64];
    snprintf(text, sizeof text, "%f", value);
    setFieldText(*field, text);
    afterChange(control);
}

void fieldSetString(Control* control, const char* text) {
    FieldData* field = fieldData(control);
    if (field->kind != FieldKind::Text) return;
    setFieldText(*field, text ? text : "");
    afterChange(control);
}

} // namespace ui
