// The text editor: its editing keys without GL, then as a control (the
// pointer, its scroll bars, text given to it) and as drawn: each token class
// in its colour, the caret where the next character is drawn, no text
// without a syntax scheme.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_frame.h"
#include "glyph_colour.h"
#include "ink_box.h"
#include "platform/glut_backend.h"
#include "support/script_run.h"
#include "ui/clipboard.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/scroll_bar.h"
#include "ui/syntax_scheme.h"
#include "ui/text_editor.h"

using namespace ui;

namespace {

constexpr int kShift = platform::kShiftModifier, kCtrl = platform::kCtrlModifier,
              kAlt = platform::kAltModifier;

// A key: a character, or a special key when `special` is set.
struct Key {
    int code;
    int modifiers = 0;
    bool special = false;
};
Key special(int code, int modifiers = 0) {
    return {code, modifiers, true};
}

struct KeyCase {
    const char* name;
    const char* text;
    int cursor;
    std::vector<Key> keys;
    bool overwrite;
    const char* after;    // the text afterwards, "|" marking the cursor
    const char* selected; // the selection afterwards, "" for none
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class EditorKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(EditorKeys, EditTheTextAndTheSelection) {
    const KeyCase& c = GetParam();
    setClipboardText("");
    TextEditorData editor;
    editor.edit.text = c.text;
    editor.edit.cursor = c.cursor;
    for (const Key& key : c.keys) {
        if (key.special)
            editorSpecialKey(editor, key.code, key.modifiers);
        else
            editorKey(editor, key.code, key.modifiers, c.overwrite);
    }
    std::string shown = editor.edit.text;
    shown.insert(editor.edit.cursor, "|");
    EXPECT_EQ(shown, c.after);
    const FieldData& edit = editor.edit;
    const int from = std::min(edit.anchor, edit.selectionEnd);
    const int to = std::max(edit.anchor, edit.selectionEnd);
    EXPECT_EQ(edit.selecting ? edit.text.substr(from, to - from) : "", c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditorKeys,
    testing::Values(
        KeyCase{"enter_and_tab_insert_even_overwriting", "ab", 1, {{13}, {9}}, true, "a\n\t|b", ""},
        KeyCase{"typing_overwrites_in_overwrite_mode", "abc", 1, {{'X'}}, true, "aX|c", ""},
        KeyCase{"backspace_and_delete", "abcd", 2, {{8}, {127}}, false, "a|d", ""},
        KeyCase{"up_and_down_keep_the_column",
                "abcd\nxy\nlonger",
                3,
                {special(kDownKey), special(kDownKey)},
                false,
                "abcd\nxy\nlo|nger",
                ""},
        KeyCase{"shift_down_selects_and_typing_replaces",
                "abcd\nxy",
                1,
                {special(kDownKey, kShift)},
                false,
                "abcd\nx|y",
                "bcd\nx"},
        KeyCase{"ctrl_up_extends_the_selection_too",
                "ab\ncd",
                4,
                {special(kUpKey, kCtrl)},
                false,
                "a|b\ncd",
                "b\nc"},
        KeyCase{"ctrl_right_moves_without_ending_it",
                "abcd",
                0,
                {special(kRightKey, kShift), special(kRightKey, kCtrl)},
                false,
                "ab|cd",
                "a"},
        KeyCase{"right_without_shift_ends_it",
                "abcd",
                0,
                {special(kRightKey, kShift), special(kRightKey)},
                false,
                "ab|cd",
                ""},
        KeyCase{"select_all_copy_paste_at_the_end",
                "ab",
                0,
                {{1, kCtrl}, {3, kCtrl}, special(kRightKey), {22, kCtrl}},
                false,
                "abab|",
                ""},
        KeyCase{
            "ctrl_x_only_while_selecting", "ab", 1, {{24, kCtrl}, {22, kCtrl}}, false, "a|b", ""},
        KeyCase{"ctrl_x_cuts_a_selection",
                "abc",
                0,
                {special(kRightKey, kShift), {24, kCtrl}, special(kRightKey), {22, kCtrl}},
                false,
                "ba|c",
                ""},
        KeyCase{"alt_claims_only_tab", "ab", 1, {{9, kAlt}, {'x', kAlt}}, false, "a|b", ""}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(EditorKeyResults, EscapeReleasesAndUnknownCtrlKeysAreNotClaimed) {
    TextEditorData editor;
    EXPECT_EQ(editorKey(editor, 27, 0, false), EditorKeyResult::Release);
    EXPECT_EQ(editorKey(editor, 17, kCtrl, false), EditorKeyResult::NotClaimed);
    EXPECT_EQ(editorKey(editor, 'x', kAlt, false), EditorKeyResult::NotClaimed);
    const uint64_t before = editor.revision;
    EXPECT_EQ(editorKey(editor, 'x', 0, false), EditorKeyResult::Claimed);
    EXPECT_GT(editor.revision, before) << "edits count";
}

// ---- As a control --------------------------------------------------------------

class TextEditorControl : public ControlFrameTest {
  protected:
    Control* editor = nullptr;
    TextEditorData* data = nullptr;
    void SetUp() override {
        ControlFrameTest::SetUp();
        clearSyntaxSchemes();
        editor = createControl(LUI_TEXT_EDITOR, nullptr);
        setPosition(editor, 20, 20);
        setSize(editor, 200, 120);
        data = textEditorData(editor);
    }
    void TearDown() override {
        clearSyntaxSchemes();
        ControlFrameTest::TearDown();
    }
    Control* bar(const char* name) {
        for (Control* child : editor->children)
            if (std::string(child->name).starts_with(name)) return child;
        return nullptr;
    }
    // A syntax file of our own, with colours easy to tell apart.
    void loadScheme(bool highlightOn = true) {
        const std::string path = MakeWorkDir() + "/test.syn";
        WriteFile(path, std::string("Language Test\nHighlighting On ") + (highlightOn ? "1" : "0") +
                            "\nWords 0\nColours\n"
                            "0 0 0  0 0 0  1 0 0  0 0.6 0  0 0 1  0.6 0 0.6  0.8 0.4 0  0 0.5 0.5\n"
                            "0 0 0  0 0 0  0 0 0  0 0 0  0 0.5 0  0 0 0  0 0 0  0 0 0\n"
                            "Operators { = }\nKeyWords1 { if }\nKeyWords2 { print }\n"
                            "KeyWords3 { luiWindow }\nSingleLineComments { -- }\n");
        ASSERT_TRUE(loadSyntaxFile(path.c_str()));
    }
};

TEST_F(TextEditorControl, BarsAlongTheBottomAndDownTheSideFollowTheText) {
    Control* across = bar("TE_LR");
    Control* down = bar("TE_UD");
    ASSERT_TRUE(across && down);
    EXPECT_EQ(std::vector<int>({across->x, across->y, across->width, across->height}),
              std::vector<int>({0, 110, 190, 10}));
    EXPECT_EQ(std::vector<int>({down->x, down->y, down->width, down->height}),
              std::vector<int>({190, 0, 10, 110}));
    EXPECT_EQ(scrollBarThumbSize(down), 100.0f);
    // 21 lines of 13 pixels and the pixel above: 274 high in a view 110 high.
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "line\n";
    setString(editor, (text + "last").c_str());
    EXPECT_NEAR(scrollBarThumbSize(down), 100.0f * 110 / 274, 0.01);
    setScrollBarPosition(down, 50);
    scrollBarData(down)->command.invoke(down);
    EXPECT_EQ(data->scrollY, 82);
    // Text that fits again brings the view back to its start.
    setString(editor, "short");
    EXPECT_EQ(data->scrollY, 0);
    EXPECT_EQ(scrollBarPosition(down), 0.0f);
}

TEST_F(TextEditorControl, APressPlacesTheCursorAndAReleaseEndsTheSelection) {
    setString(editor, "hello\nworld");
    // The text starts 12 pixels in and 1 down; six pixels a character, 13 a line.
    press(20 + 12 + 13, 20 + 1 + 14);
    EXPECT_EQ(capturedControl(), editor);
    EXPECT_EQ(data->edit.cursor, 8);
    release(20 + 12 + 5, 20 + 3);
    EXPECT_EQ(data->edit.cursor, 1);
    EXPECT_EQ(data->edit.text.substr(data->edit.selectionEnd, data->edit.anchor - 1), "ello\nwo");
    // A press outside the text area lets the capture go but keeps the
    // selection, for buttons that copy or cut it.
    press(600, 600);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_TRUE(data->edit.selecting);
    release(600, 600);
    // Keys reach the editor again once it is pressed on.
    click(20 + 12 + 30, 20 + 5);
    sendKey('!', 600, 600);
    EXPECT_EQ(getString(editor), std::string("hello!\nworld"));
}

TEST_F(TextEditorControl, TextGivenToItLosesItsNulsAndStopsAtTheBound) {
    setEditorText(editor, std::string("a\0b", 3));
    appendEditorText(editor, std::string("\0c", 2));
    EXPECT_EQ(data->edit.text, "abc");
    EXPECT_EQ(data->extent, (TextExtent{18, 1, 18}));
    appendEditorText(editor, std::string(kMaxEditorText, 'x'));
    EXPECT_EQ(data->edit.text.size(), kMaxEditorText);
}

// ---- Drawn ----------------------------------------------------------------------

Pixel inkOf(const FramePixels& frame, int x0, int y0, int x1, int y1) {
    return darkestPixel(x0, y0, x1, y1, [&frame](int x, int y) { return frame.pixel(x, y); });
}

TEST_F(TextEditorControl, EveryTokenClassInItsColour) {
    loadScheme();
    setSize(editor, 200, 160);
    // Each token on a line of its own, so that its pixels are easy to find;
    // the caret at the end.
    setString(editor, "if\nprint\nluiWindow\nx\n=\n(\n42\n\"s\"\n-- c");
    data->edit.cursor = static_cast<int>(data->edit.text.size());
    render();
    struct Token {
        const char* name;
        int line, characters;
        Pixel colour;
    };
    for (const Token& token :
         {Token{"keyword set 1", 0, 2, unitColour(0.6f, 0, 0.6f)},
          Token{"keyword set 2", 1, 5, unitColour(0.8f, 0.4f, 0)},
          Token{"keyword set 3", 2, 9, unitColour(0, 0.5f, 0.5f)},
          Token{"plain word", 3, 1, unitColour(0, 0, 0)},
          Token{"operator", 4, 1, unitColour(1, 0, 0)}, Token{"bracket", 5, 1, unitColour(1, 0, 0)},
          Token{"number", 6, 2, unitColour(0, 0.6f, 0)}, Token{"string", 7, 3, unitColour(0, 0, 1)},
          Token{"comment", 8, 4, unitColour(0, 0.5f, 0)}}) {
        const int left = 20 + 12, top = 20 + 1 + 13 * token.line;
        const Pixel ink = inkOf(*this, left, top, left + 6 * token.characters, top + 12);
        EXPECT_TRUE(isShadeOf(ink, token.colour))
            << token.name << ": " << int(ink.r) << " " << int(ink.g) << " " << int(ink.b);
    }
    // Without highlighting the same text is all in the window-text colour.
    toggleEditorHighlight(editor);
    render();
    EXPECT_TRUE(isShadeOf(inkOf(*this, 32, 21, 44, 33), Pixel{0, 0, 0, 255}));
}

TEST_F(TextEditorControl, ATabMovesTheCaretToWhereTheNextCharacterIsDrawn) {
    loadScheme();
    // "abc" and a tab: four spaces of 6 pixels, so the next character starts
    // 24 pixels along, 12 in from the editor's edge.
    setString(editor, "abc");
    click(20 + 12 + 18, 20 + 5);
    sendKey('\t', 100, 100);
    render();
    const int caretX = 20 + 12 + 24;
    const Pixel grey = unitColour(0.4f, 0.4f, 0.4f);
    EXPECT_TRUE(sameColour(pixel(caretX, 26), grey));
    EXPECT_FALSE(sameColour(pixel(caretX - 1, 26), grey));
    // The character typed next is drawn from there, and the caret moves on.
    sendKey('X', 100, 100);
    render();
    const InkBox x = inkBox(*this, caretX - 4, 21, caretX + 8, 33);
    EXPECT_GT(x.count, 0);
    EXPECT_GE(x.left, caretX);
    EXPECT_LE(x.left, caretX + 1);
    EXPECT_TRUE(sameColour(pixel(caretX + 6, 26), grey));
}

TEST_F(TextEditorControl, WithoutASchemePanelsSelectionAndCaretButNoText) {
    setString(editor, "some text");
    press(20 + 12, 25);
    release(20 + 12 + 30, 25);
    render();
    // The selection panel and the caret are there; no glyph is.
    EXPECT_TRUE(sameColour(pixel(20 + 12 + 10, 26), unitColour(0.93f, 0.913f, 0.847f), 3));
    EXPECT_TRUE(sameColour(pixel(20 + 12 + 30, 26), unitColour(0.4f, 0.4f, 0.4f)));
    EXPECT_EQ(inkBox(*this, 22, 21, 208, 128, 90).count, 0) << "the caret's grey is lighter";
}

} // namespace
