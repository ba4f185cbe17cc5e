// The text editor: the keys that differ from a field's, without GL; then as
// a control (the pointer, its scroll bars, text given to it) and as drawn:
// the caret where the next character is drawn, no text without a scheme.
// Typing, the clipboard and highlighting are driven end to end by the
// editor scripts.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_frame.h"
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

constexpr int kShift = platform::kShiftModifier, kCtrl = platform::kCtrlModifier;

// A character, or a special key when `special` is set.
struct Key {
    int code;
    int modifiers = 0;
    bool special = false;
};

struct KeyCase {
    const char* name;
    std::vector<Key> keys; // on "abc\nde" with the cursor after "c"
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
    FieldData& edit = editor.edit;
    edit.text = "abc\nde";
    edit.cursor = 3;
    for (const Key& key : c.keys)
        if (key.special)
            editorSpecialKey(editor, key.code, key.modifiers);
        else if (editorKey(editor, key.code, key.modifiers, c.overwrite) ==
                 EditorKeyResult::Release)
            edit.text += "<released>";
    std::string shown = edit.text;
    shown.insert(edit.cursor, "|");
    EXPECT_EQ(shown, c.after);
    const int from = std::min(edit.anchor, edit.selectionEnd);
    const int to = std::max(edit.anchor, edit.selectionEnd);
    EXPECT_EQ(edit.selecting ? edit.text.substr(from, to - from) : "", c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditorKeys,
    testing::Values(
        KeyCase{"enter_and_tab_insert_when_overwriting", {{13}, {9}}, true, "abc\n\t|\nde", ""},
        KeyCase{"escape_asks_for_release", {{27}}, false, "abc|\nde<released>", ""},
        KeyCase{
            "ctrl_down_extends_a_selection", {{kDownKey, kCtrl, true}}, false, "abc\nde|", "\nde"},
        KeyCase{"ctrl_left_moves_and_keeps_it",
                {{kDownKey, kShift, true}, {kLeftKey, kCtrl, true}},
                false,
                "abc\nd|e",
                "\nde"},
        KeyCase{"ctrl_x_needs_a_selection", {{24, kCtrl}, {22, kCtrl}}, false, "abc|\nde", ""}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

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
    // A syntax file of our own: all in black.
    void loadScheme() {
        std::string text = "Language Test Highlighting On 1 Words 0 Colours";
        for (int i = 0; i < 48; ++i)
            text += " 0";
        const std::string path = MakeWorkDir() + "/test.syn";
        WriteFile(path, text);
        ASSERT_TRUE(loadSyntaxFile(path.c_str()));
    }
};

TEST_F(TextEditorControl, BarsAlongTheBottomAndDownTheSideFollowTheText) {
    Control* across = findControl("TE_LR");
    Control* down = findControl("TE_UD");
    ASSERT_TRUE(across && down && across->parent == editor && down->parent == editor);
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
}

TEST_F(TextEditorControl, TextGivenToItLosesItsNulsRingsItsBellsOnceAndStopsAtTheBound) {
    testing::internal::CaptureStderr();
    setEditorText(editor, std::string("a\0\ab", 4));
    appendEditorText(editor, std::string("\0c", 2));
    render();
    render();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "\a");
    EXPECT_EQ(data->edit.text, "a\abc");
    EXPECT_EQ(data->extent, (TextExtent{18, 1, 18})) << "a bell takes no room";
    appendEditorText(editor, std::string(kMaxEditorText, 'x'));
    EXPECT_EQ(data->edit.text.size(), kMaxEditorText);
}

// ---- Drawn ----------------------------------------------------------------------

TEST_F(TextEditorControl, ATabMovesTheCaretToWhereTheNextCharacterIsDrawn) {
    loadScheme();
    // "abc" and a tab: four spaces of 6 pixels, so the next character starts
    // 24 pixels along, 12 in from the editor's edge.
    setString(editor, "abc");
    click(20 + 12 + 18, 20 + 5);
    sendKey('\t', 100, 100);
    render();
    const int caretX = 20 + 12 + 24;
    const Pixel grey = Pixel{102, 102, 102, 255};
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

TEST_F(TextEditorControl, ScrollingAcrossShowsTheEndOfALongLine) {
    loadScheme();
    // 60 characters, 360 pixels, in a text area 190 wide: scrolled to the
    // end, the last ones show against the area's right edge.
    setString(editor, (std::string(59, '-') + "H").c_str());
    Control* across = findControl("TE_LR");
    setScrollBarPosition(across, 100);
    scrollBarData(across)->command.invoke(across);
    render();
    EXPECT_GT(inkBox(*this, 20 + 180, 21, 20 + 190, 33).count, 0);
}

TEST_F(TextEditorControl, WithoutASchemePanelsSelectionAndCaretButNoText) {
    setString(editor, "some text");
    press(20 + 12, 25);
    release(20 + 12 + 30, 25);
    render();
    // The selection panel and the caret are there; no glyph is.
    EXPECT_TRUE(sameColour(pixel(20 + 12 + 10, 26), Pixel{237, 233, 216, 255}, 3));
    EXPECT_TRUE(sameColour(pixel(20 + 12 + 30, 26), Pixel{102, 102, 102, 255}));
    EXPECT_EQ(inkBox(*this, 22, 21, 208, 128, 90).count, 0) << "the caret's grey is lighter";
}

} // namespace
