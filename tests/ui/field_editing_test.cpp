// Editing a field's text without GL: keys, selection, overwrite mode, the
// clipboard, cursor placement and scrolling. States are written as the text
// with '|' at the cursor and, while selecting, '<' at the anchor and '>' at
// the selection's end.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/glut_backend.h"
#include "ui/fonts.h"
#include "ui/text_field.h"

using namespace ui;

namespace {

constexpr int kCtrl = platform::kCtrlModifier;
constexpr int kShift = platform::kShiftModifier;
constexpr int kAlt = platform::kAltModifier;

FieldData parse(std::string_view state) {
    FieldData field;
    std::string text;
    for (char c : state) {
        const int here = static_cast<int>(text.size());
        if (c == '|') {
            field.cursor = here;
        } else if (c == '<') {
            field.selecting = 1;
            field.anchor = here;
        } else if (c == '>') {
            field.selecting = 1;
            field.selectionEnd = here;
        } else {
            text += c;
        }
    }
    field.text = text;
    return field;
}

std::string show(const FieldData& field) {
    std::string state;
    for (int i = 0; i <= static_cast<int>(field.text.size()); ++i) {
        if (field.selecting && field.anchor == i) state += '<';
        if (field.selecting && field.selectionEnd == i) state += '>';
        if (field.cursor == i) state += '|';
        if (i < static_cast<int>(field.text.size())) state += field.text[i];
    }
    return state;
}

struct Key {
    int character;
    int modifiers = 0;
};

struct KeyRow {
    const char* name;
    const char* before;
    std::vector<Key> keys;
    const char* after;
    FieldKeyResult last = FieldKeyResult::Claimed;
    bool overwrite = false;
};

// Typing, selecting with Shift, the clipboard keys, overwrite mode and Enter
// as a user sends them run in controls/field.lua; these are the edges.
TEST(FieldKeys, EditTheTextAroundTheCursorAndTheSelection) {
    const KeyRow rows[] = {
        {"backspace at the start does nothing", "|abc", {{kBackspaceKey}}, "|abc"},
        {"backspace removes the character before", "ab|c", {{kBackspaceKey}}, "a|c"},
        {"delete at the end does nothing", "abc|", {{kDeleteKey}}, "abc|"},
        {"delete removes the character after", "a|bc", {{kDeleteKey}}, "a|c"},
        {"backspace removes the selection", "a<bc>|d", {{kBackspaceKey}}, "a|d"},
        {"delete removes a selection made leftwards", "a>|bc<d", {{kDeleteKey}}, "a|d"},
        {"an empty selection is only a cursor", "a<>|b", {{kBackspaceKey}}, "|b"},
        {"tab is typed like any character", "a|", {{kTabKey}}, "a\t|"},
        {"a NUL is taken but never typed", "a|b", {{0}}, "a|b"},
        {"escape ends editing", "a|b", {{kEscapeKey}}, "a|b", FieldKeyResult::Finished},
        {"overwrite at the end inserts", "ab|", {{'x'}}, "abx|", FieldKeyResult::Claimed, true},
        {"overwrite replaces a selection as a whole",
         "<ab>|c",
         {{'x'}},
         "x|c",
         FieldKeyResult::Claimed,
         true},
        {"other ctrl keys are not taken",
         "ab|c",
         {{kBackspaceKey, kCtrl}},
         "ab|c",
         FieldKeyResult::NotClaimed},
        {"alt+tab is taken and ignored", "a|", {{kTabKey, kAlt}}, "a|"},
        {"other alt keys are not taken", "a|", {{'x', kAlt}}, "a|", FieldKeyResult::NotClaimed},
    };
    for (const KeyRow& row : rows) {
        FieldData field = parse(row.before);
        FieldKeyResult result = FieldKeyResult::NotClaimed;
        for (Key key : row.keys)
            result = fieldKey(field, key.character, key.modifiers, row.overwrite);
        EXPECT_EQ(show(field), row.after) << row.name;
        EXPECT_EQ(result, row.last) << row.name;
    }
}

TEST(FieldKeys, ArrowsStayWithinTheTextAndCtrlKeepsTheSelection) {
    const std::tuple<const char*, const char*, int, int, const char*> rows[] = {
        {"left at the start stays", "|ab", kLeftKey, 0, "|ab"},
        {"left ends the selection", "<ab>|", kLeftKey, 0, "a|b"},
        {"shift+right extends a leftward selection from its anchor", "a>|b<c", kRightKey, kShift,
         "ab<>|c"},
        {"shift stops at the end", "<ab>|", kRightKey, kShift, "<ab>|"},
        {"ctrl keeps the selection", "<ab>|", kLeftKey, kCtrl, "<a|b>"},
        {"ctrl stops at the end", "ab|", kRightKey, kCtrl, "ab|"},
    };
    for (auto [name, before, key, modifiers, after] : rows) {
        FieldData field = parse(before);
        EXPECT_TRUE(fieldSpecialKey(field, key, modifiers)) << name;
        EXPECT_EQ(show(field), after) << name;
    }
    FieldData field = parse("a|b");
    EXPECT_TRUE(fieldSpecialKey(field, kF1Key, 0));
    EXPECT_FALSE(fieldSpecialKey(field, 101, 0)); // Up
    EXPECT_EQ(show(field), "a|b");
}

// The default text font advances 6 pixels a character.
TEST(FieldView, PressesFindTheCharacterAndTheCursorStaysInView) {
    ASSERT_EQ(charWidth(fontForRole(3), 'a'), 6);
    FieldData field = parse("abcdef|");
    const std::tuple<int, int, int> presses[] = {{0, 5, 0}, {0, 6, 1}, {0, 100, 6}, {12, 0, 2}};
    for (auto [scroll, x, index] : presses) {
        field.scroll = scroll;
        EXPECT_EQ(fieldIndexAt(field, fontForRole(3), x), index) << scroll << "+" << x;
    }

    // A field 40 wide shows the caret up to 32 pixels past the scroll.
    field = parse("abcdefghijklmnopqrst|");
    field.cursor = 5;
    keepCursorInView(field, fontForRole(3), 40);
    EXPECT_EQ(field.scroll, 0);
    field.cursor = 6;
    keepCursorInView(field, fontForRole(3), 40);
    EXPECT_EQ(field.scroll, 36 - 20);
    field.cursor = 2;
    keepCursorInView(field, fontForRole(3), 40);
    EXPECT_EQ(field.scroll, 0);

    // A selection left beyond a shortened text is brought back into it.
    field = parse("<abcdef>|");
    field.text = "ab";
    keepCursorInView(field, fontForRole(3), 40);
    EXPECT_EQ(show(field), "<ab>|");
}

} // namespace
