#include "ui/text_editor.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "platform/glut_backend.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/scroll_bar.h"
#include "ui/syntax_highlight.h"

namespace ui {

namespace {

constexpr char kBell = 7;
constexpr float kCaretGrey = 0.4f;

int editorFont() {
    return fontForRole(3);
}

// The metrics of the editors' font, looked up again only when the font changes.
const TextMetrics& editorMetrics() {
    static int font = -1;
    static TextMetrics metrics;
    if (font != editorFont()) {
        font = editorFont();
        metrics = metricsOfFont(font);
    }
    return metrics;
}

int areaWidth(int width) {
    return std::max(0, width - kEditorBarWidth);
}
int areaHeight(int height) {
    return std::max(0, height - kEditorBarWidth);
}

// The room the text takes, with the margins it is drawn in and a pixel for a
// caret at the end of the widest line.
int64_t contentWidth(const TextEditorData& editor) {
    return editor.extent.width + kEditorTextLeft + 1;
}
int64_t contentHeight(const TextEditorData& editor) {
    return editor.extent.lines * editorMetrics().lineHeight + kEditorTextTop;
}

// Pasting may have gone past the editor's bound.
void keepWithinBound(FieldData& edit) {
    if (edit.text.size() <= kMaxEditorText) return;
    edit.text.resize(kMaxEditorText);
    clampToText(edit);
}

// Adds text given to the editor, within its bound and without NULs, which
// would end the text early for everyone who reads it as a C string. Returns
// what was added.
std::string_view addText(std::string& own, std::string_view text) {
    const size_t start = own.size();
    own.append(text.substr(0, kMaxEditorText - std::min(start, kMaxEditorText)));
    own.erase(std::remove(own.begin() + start, own.end(), '\0'), own.end());
    return std::string_view(own).substr(start);
}

// A bell rings once for each bell character that arrives in the text, not
// at every frame that shows it.
void ringNewBells(TextEditorData& editor, size_t bells) {
    for (; editor.bells < bells; ++editor.bells)
        std::fputc(kBell, stderr);
    editor.bells = bells;
}

// The editor's scroll bar across ("TE_LR") or down ("TE_UD"); found among
// the children each time, so that a bar a script destroyed is never reached.
Control* editorBar(const Control* control, bool across) {
    for (Control* child : control->children)
        if (const ScrollBarData* bar = scrollBarData(child);
            bar && (bar->horizontal != 0) == across)
            return child;
    return nullptr;
}

// Keeps the view on the text and shows in the bars how much of it is seen.
void updateBars(Control* control, int width, int height) {
    TextEditorData* editor = textEditorData(control);
    const int64_t wide = contentWidth(*editor), tall = contentHeight(*editor);
    const int visibleWidth = areaWidth(width), visibleHeight = areaHeight(height);
    editor->edit.scroll = clampOffset(editor->edit.scroll, wide, visibleWidth);
    editor->scrollY = clampOffset(editor->scrollY, tall, visibleHeight);
    if (Control* bar = editorBar(control, true)) {
        setScrollBarThumbSize(bar, thumbSizeFor(wide, visibleWidth));
        setScrollBarPosition(bar, barPositionFor(editor->edit.scroll, wide, visibleWidth));
    }
    if (Control* bar = editorBar(control, false)) {
        setScrollBarThumbSize(bar, thumbSizeFor(tall, visibleHeight));
        setScrollBarPosition(bar, barPositionFor(editor->scrollY, tall, visibleHeight));
    }
}

// The scroll bars' commands: they run with the bar.
int scrolledAcross(Control* bar) {
    Control* control = bar->parent;
    if (TextEditorData* editor = textEditorData(control))
        editor->edit.scroll = offsetForBar(scrollBarPosition(bar), contentWidth(*editor),
                                           areaWidth(control->width), editor->edit.scroll);
    requestRedisplay();
    return 0;
}

int scrolledDown(Control* bar) {
    Control* control = bar->parent;
    if (TextEditorData* editor = textEditorData(control))
        editor->scrollY = offsetForBar(scrollBarPosition(bar), contentHeight(*editor),
                                       areaHeight(control->height), editor->scrollY);
    requestRedisplay();
    return 0;
}

Control* createBar(Control* control, const char* name, bool across, NativeCallback scrolled) {
    Control* bar = createChild(control, LUI_SCROLL_BAR, name);
    scrollBarData(bar)->horizontal = across;
    scrollBarData(bar)->command.setNative(scrolled);
    setScrollBarThumbSize(bar, 100);
    return bar;
}

void resizeEditor(Control* control, int width, int height) {
    if (Control* bar = editorBar(control, true)) {
        setPosition(bar, 0, height - kEditorBarWidth);
        setSize(bar, areaWidth(width), kEditorBarWidth);
    }
    if (Control* bar = editorBar(control, false)) {
        setPosition(bar, width - kEditorBarWidth, 0);
        setSize(bar, kEditorBarWidth, areaHeight(height));
    }
    updateBars(control, width, height);
}

void createEditor(Control* control) {
    control->data = new TextEditorData{};
    setPosition(control, 10, 10);
    createBar(control, "TE_LR", true, scrolledAcross);
    createBar(control, "TE_UD", false, scrolledDown);
    setSize(control, 300, 500);
}

// The text position under a point of the control.
size_t indexAtPoint(const TextEditorData& editor, int x, int y) {
    return indexNearest(editor.edit.text, int64_t{x} - kEditorTextLeft + editor.edit.scroll,
                        int64_t{y} - kEditorTextTop + editor.scrollY, editorMetrics());
}

int editorMouseButton(Control* control, int button, int state, int x, int y) {
    TextEditorData* editor = textEditorData(control);
    FieldData& edit = editor->edit;
    const bool inText = x > 0 && x < control->width - kEditorBarWidth && y > 0 &&
                        y < control->height - kEditorBarWidth;
    if (!inText) {
        // The selection stays, for the buttons that copy or cut it.
        releaseCaptureOf(control);
        return forwardMouseButton(control, button, state, x, y);
    }
    if (state == kButtonDown) {
        edit.selecting = 0;
        setCapture(control);
        if (button == kLeftButton) {
            edit.cursor = edit.anchor = edit.selectionEnd =
                static_cast<int>(indexAtPoint(*editor, x, y));
            edit.selecting = 1;
        }
    } else if (button == kLeftButton) {
        edit.cursor = edit.selectionEnd = static_cast<int>(indexAtPoint(*editor, x, y));
    }
    requestRedisplay();
    return 1;
}

int editorOnKey(Control* control, int character, int, int) {
    switch (editorKey(*textEditorData(control), character, platform::HeldModifiers(),
                      overwriteMode())) {
    case EditorKeyResult::NotClaimed:
        return 0;
    case EditorKeyResult::Release:
        releaseCaptureOf(control);
        return 1;
    case EditorKeyResult::Claimed:
        break;
    }
    refreshEditor(control);
    return 1;
}

int editorOnSpecialKey(Control* control, int key, int, int) {
    if (!editorSpecialKey(*textEditorData(control), key, platform::HeldModifiers())) return 0;
    refreshEditor(control);
    return 1;
}

// ---- Drawing -------------------------------------------------------------------

// The part of the text in view, in the text's own coordinates.
struct View {
    int64_t left, top, right, bottom;
};

// Characters handed to the font together: consecutive on one line, in one
// colour, when the font puts each where the pen walk does; one at a time
// otherwise. Only characters in view are taken.
class GlyphRun {
  public:
    GlyphRun(int font, const TextMetrics& metrics, const View& view)
        : font_(font), metrics_(metrics), view_(view) {}
    ~GlyphRun() { flush(); }
    GlyphRun(const GlyphRun&) = delete;
    GlyphRun& operator=(const GlyphRun&) = delete;

    void add(unsigned char c, const Pen& pen) {
        const int advance = metrics_.advance[c];
        if (c < ' ' || advance <= 0 || pen.x + advance <= view_.left || pen.x >= view_.right ||
            pen.y + metrics_.lineHeight <= view_.top)
            return;
        if (length_ > 0 &&
            (!metrics_.wholeRuns || pen.y != y_ || pen.x != end_ || length_ == kLongest))
            flush();
        if (length_ == 0) {
            x_ = end_ = pen.x;
            y_ = pen.y;
        }
        glyphs_[length_++] = static_cast<char>(c);
        end_ += advance;
    }

    void flush() {
        if (length_ == 0) return;
        glyphs_[length_] = 0;
        drawText(font_, glyphs_, static_cast<int>(x_) + metrics_.drawShift, static_cast<int>(y_));
        length_ = 0;
    }

  private:
    static constexpr int kLongest = 255;
    int font_;
    const TextMetrics& metrics_;
    const View& view_;
    char glyphs_[kLongest + 1];
    int length_ = 0;
    int64_t x_ = 0, y_ = 0, end_ = 0;
};

// Plain text in the window-text colour, from the first line in view to the
// last, each line only as far as the view reaches.
void drawPlainText(std::string_view text, int font, const TextMetrics& metrics, const View& view) {
    setColour(LUI_COLOR_WINDOW_TEXT);
    int64_t line = metrics.lineHeight > 0 && view.top > 0 ? view.top / metrics.lineHeight : 0;
    size_t i = 0;
    for (int64_t skipped = 0; skipped < line; ++skipped) {
        i = lineEndOf(text, i);
        if (i == text.size()) return;
        ++i;
    }
    Pen pen{0, line * metrics.lineHeight};
    GlyphRun glyphs(font, metrics, view);
    for (; i < text.size() && pen.y < view.bottom; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c != '\n' && pen.x >= view.right) {
            i = lineEndOf(text, i) - 1;
            continue;
        }
        glyphs.add(c, pen);
        advancePen(pen, c, metrics);
    }
}

// Highlighted text: the runs from the start of the text (a string or a
// comment may begin above the view), drawn down to the last line in view.
void drawHighlightedText(std::string_view text, const SyntaxScheme& scheme, int font,
                         const TextMetrics& metrics, const View& view) {
    SyntaxRuns runs(text, scheme);
    SyntaxRun run;
    Pen pen;
    GlyphRun glyphs(font, metrics, view);
    int colour = -1;
    while (pen.y < view.bottom && runs.next(run)) {
        if (run.colour != colour) {
            glyphs.flush();
            colour = run.colour;
            const Rgb& rgb = scheme.colours[colour];
            glColor3f(rgb.r, rgb.g, rgb.b);
        }
        for (size_t i = run.begin; i < run.end; ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            glyphs.add(c, pen);
            advancePen(pen, c, metrics);
        }
    }
}

void drawSelection(const TextEditorData& editor, const TextMetrics& metrics, const View& view) {
    const FieldData& edit = editor.edit;
    if (!edit.selecting || edit.text.empty()) return;
    const size_t from = std::min(edit.anchor, edit.selectionEnd);
    const size_t to = std::max(edit.anchor, edit.selectionEnd);
    const int height = metrics.lineHeight + 1;
    forEachSelectedStretch(
        edit.text, from, to, metrics, [&](int64_t left, int64_t right, int64_t y) {
            if (y + height <= view.top || y >= view.bottom) return;
            const int64_t x0 = std::clamp<int64_t>(left, view.left - 1, view.right + 1);
            const int64_t x1 = std::clamp<int64_t>(right, view.left - 1, view.right + 1);
            panel(static_cast<int>(x0), static_cast<int>(y), static_cast<int>(x1 - x0), height,
                  false, 0);
        });
}

void drawCaret(const TextEditorData& editor, const TextMetrics& metrics, const View& view) {
    const Pen pen = penAt(editor.edit.text, editor.edit.cursor, metrics);
    if (pen.x < view.left - 1 || pen.x > view.right || pen.y + metrics.lineHeight <= view.top ||
        pen.y >= view.bottom)
        return;
    glColor3f(kCaretGrey, kCaretGrey, kCaretGrey);
    line(static_cast<int>(pen.x), static_cast<int>(pen.y), 0, metrics.lineHeight);
}

void drawTextEditor(Control* control) {
    const TextEditorData* editor = textEditorData(control);
    const int width = areaWidth(control->width), height = areaHeight(control->height);
    panel(0, 0, control->width, control->height, false, 0);
    whitePanel(0, 0, width, height);
    // The clip covers the text area alone: text stays off the scroll bars'
    // strips, and the first line shows whole.
    pushClipLocal(0, 0, width, height);
    glPushMatrix();
    translate(kEditorTextLeft - editor->edit.scroll, kEditorTextTop - editor->scrollY);
    const TextMetrics& metrics = editorMetrics();
    const int64_t left = int64_t{editor->edit.scroll} - kEditorTextLeft;
    const int64_t top = int64_t{editor->scrollY} - kEditorTextTop;
    const View view{left, top, left + width, top + height};
    drawSelection(*editor, metrics, view);
    if (const SyntaxScheme* scheme = syntaxScheme(editor->scheme)) {
        if (scheme->highlightOn && editor->highlight)
            drawHighlightedText(editor->edit.text, *scheme, editorFont(), metrics, view);
        else
            drawPlainText(editor->edit.text, editorFont(), metrics, view);
    }
    drawCaret(*editor, metrics, view);
    glPopMatrix();
    popClip();
    drawChildren(control);
}

const char* editorGetString(Control* control) {
    return textEditorData(control)->edit.text.c_str();
}

void editorSetString(Control* control, const char* text) {
    setEditorText(control, text ? text : "");
}

} // namespace

const ControlClass textEditorClass{
    .typeId = LUI_TEXT_EDITOR,
    .isContainer = 1,
    .create = createEditor,
    .destroy = destroyRecord<TextEditorData>,
    .onKey = editorOnKey,
    .onSpecialKey = editorOnSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = editorMouseButton,
    .draw = drawTextEditor,
    .resize = resizeEditor,
    .getString = editorGetString,
    .setString = editorSetString,
};

TextEditorData* textEditorData(const Control* control) {
    if (!control || !control->data || controlType(control) != LUI_TEXT_EDITOR) return nullptr;
    return static_cast<TextEditorData*>(control->data);
}

// ---- Editing -------------------------------------------------------------------

EditorKeyResult editorKey(TextEditorData& editor, int character, int modifiers, bool overwrite) {
    FieldData& edit = editor.edit;
    FieldKeyResult result = FieldKeyResult::NotClaimed;
    const bool ctrl = modifiers & platform::kCtrlModifier;
    if (ctrl || (modifiers & platform::kAltModifier)) {
        // Cutting needs a selection under way.
        if (ctrl && character == kCtrlX && !edit.selecting) return EditorKeyResult::NotClaimed;
        result = fieldKey(edit, character, modifiers, overwrite);
    } else if (character == kEscapeKey) {
        return EditorKeyResult::Release;
    } else if (character == kEnterKey || character == kTabKey) {
        result = fieldKey(edit, character == kEnterKey ? '\n' : '\t', 0, false);
    } else {
        result = fieldKey(edit, character, 0, overwrite);
    }
    if (result == FieldKeyResult::NotClaimed) return EditorKeyResult::NotClaimed;
    keepWithinBound(edit);
    ++editor.revision;
    return EditorKeyResult::Claimed;
}

bool editorSpecialKey(TextEditorData& editor, int key, int modifiers) {
    FieldData& edit = editor.edit;
    if (key != kUpKey && key != kDownKey) return fieldSpecialKey(edit, key, modifiers);
    const int target =
        static_cast<int>(sameColumnOnLine(edit.text, edit.cursor, key == kUpKey ? -1 : 1));
    if (modifiers & (platform::kShiftModifier | platform::kCtrlModifier)) {
        if (!edit.selecting) {
            edit.selecting = 1;
            edit.anchor = edit.cursor;
        }
        edit.cursor = edit.selectionEnd = target;
    } else {
        edit.cursor = target;
        edit.selecting = 0;
    }
    return true;
}

// ---- Operations on the control ----------------------------------------------------

void setEditorText(Control* control, std::string_view text) {
    TextEditorData* editor = textEditorData(control);
    if (!editor) return;
    editor->edit.text.clear();
    addText(editor->edit.text, text);
    clampToText(editor->edit);
    ++editor->revision;
    refreshEditor(control);
}

void appendEditorText(Control* control, std::string_view text) {
    TextEditorData* editor = textEditorData(control);
    if (!editor) return;
    const std::string_view added = addText(editor->edit.text, text);
    extendMeasure(editor->extent, added, editorMetrics());
    ringNewBells(*editor, editor->bells + std::count(added.begin(), added.end(), kBell));
    ++editor->revision;
    updateBars(control, control->width, control->height);
    requestRedisplay();
}

void clearEditor(Control* control) {
    TextEditorData* editor = textEditorData(control);
    if (!editor) return;
    FieldData& edit = editor->edit;
    edit.text.clear();
    edit.cursor = edit.anchor = edit.selectionEnd = edit.selecting = 0;
    edit.scroll = editor->scrollY = 0;
    ++editor->revision;
    refreshEditor(control);
}

namespace {

// The editing keys of the clipboard, for the buttons that do the same.
void clipboardKey(Control* control, int key) {
    TextEditorData* editor = textEditorData(control);
    if (!editor) return;
    fieldKey(editor->edit, key, platform::kCtrlModifier, false);
    keepWithinBound(editor->edit);
    ++editor->revision;
    refreshEditor(control);
}

} // namespace

void copyEditorSelection(Control* control) {
    clipboardKey(control, kCtrlC);
}
void pasteIntoEditor(Control* control) {
    clipboardKey(control, kCtrlV);
}
void cutEditorSelection(Control* control) {
    clipboardKey(control, kCtrlX);
}

void toggleEditorHighlight(Control* control) {
    if (TextEditorData* editor = textEditorData(control)) editor->highlight = !editor->highlight;
    requestRedisplay();
}

void refreshEditor(Control* control) {
    TextEditorData* editor = textEditorData(control);
    if (!editor) return;
    const std::string& text = editor->edit.text;
    editor->extent = measureText(text, editorMetrics());
    ringNewBells(*editor, std::count(text.begin(), text.end(), kBell));
    updateBars(control, control->width, control->height);
    requestRedisplay();
}

} // namespace ui
