// Fields as controls: focus by pressing, keys with their modifiers through
// the toolkit, values by kind, the caret's blink and how the field looks.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "frame_fixture.h"
#include "ink_box.h"
#include "platform/glut_backend.h"
#include "toolkit_fixture.h"
#include "ui/caret_phase.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/text_field.h"

using namespace ui;

namespace {

std::string commandLog;

void sendKeyHeld(int character, int modifiers) {
    platform::DeliverInput({platform::InputKind::Key, character, 0, 500, 500, modifiers});
}

class FieldInput : public ToolkitTest {
  protected:
    Control* field = nullptr;
    FieldData* data = nullptr;
    void SetUp() override {
        ToolkitTest::SetUp();
        commandLog.clear();
        field = createControl(LUI_TEXTFIELD, "f");
        setPosition(field, 100, 100);
        setSize(field, 200, 24);
        setString(field, "hello world");
        data = fieldData(field);
        data->command.setNative([](Control* c) {
            commandLog += std::string(c->name) + " " + getString(c) + "\n";
            return 0;
        });
    }
};

TEST_F(FieldInput, AFirstPressSelectsAllAndLaterOnesPlaceTheCursor) {
    press(150, 110);
    EXPECT_EQ(capturedControl(), field);
    EXPECT_TRUE(hasSelection(*data));
    EXPECT_EQ(data->cursor, 11);
    release(150, 110);
    EXPECT_EQ(capturedControl(), field) << "the field keeps the focus";
    // 6 pixels a character: x 20 is in the fourth character.
    press(120, 110);
    EXPECT_FALSE(hasSelection(*data));
    EXPECT_EQ(data->cursor, 3);
    sendDrag(160, 110);
    EXPECT_EQ(data->cursor, 10);
    release(400, 400);
    EXPECT_EQ(eventLog, "") << "the field's releases are its own, wherever they happen";
    EXPECT_EQ(commandLog, "");
}

TEST_F(FieldInput, APressOutsideEndsEditingAndGoesOnToWhatItLandedOn) {
    click(150, 110);
    click(290, 110); // past the end of the text
    sendKeyHeld('!', 0);
    press(600, 600);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(commandLog, "f hello world!\n");
    EXPECT_EQ(eventLog, "hook button 0,0 @600,600\n");
}

TEST_F(FieldInput, KeysArriveWithTheirModifiersAndEnterOrEscapeEndEditing) {
    click(150, 110);
    sendKeyHeld(kCtrlC, platform::kCtrlModifier);
    sendSpecialKey(kRightKey, 0, 0);
    sendKeyHeld(kCtrlV, platform::kCtrlModifier);
    sendSpecialKey(kLeftKey, 0, 0, platform::kShiftModifier);
    sendKeyHeld('?', 0);
    EXPECT_EQ(getString(field), std::string("hello worldhello worl?"));
    sendKeyHeld('q', platform::kCtrlModifier | platform::kShiftModifier); // not a field key
    sendKeyHeld(kEnterKey, 0);
    EXPECT_EQ(capturedControl(), nullptr);
    EXPECT_EQ(commandLog, "f hello worldhello worl?\n");
    click(150, 110);
    sendKeyHeld(kEscapeKey, 0);
    EXPECT_EQ(commandLog, "f hello worldhello worl?\nf hello worldhello worl?\n");
    // Only the key no field takes went on to the desktop.
    EXPECT_EQ(eventLog, "hook key q,0 @500,500\n");
}

TEST_F(FieldInput, EachKindReadsAndWritesItsOwnValues) {
    Control* text = field;
    Control* integer = createControl(LUI_INTFIELD, nullptr);
    Control* real = createControl(LUI_FLOATFIELD, nullptr);
    EXPECT_EQ(std::tie(integer->x, integer->y, integer->width, integer->height),
              std::make_tuple(10, 10, 80, 25));
    EXPECT_STREQ(getString(integer), "");
    EXPECT_EQ(getInt(integer), 0);

    for (Control* c : {text, integer, real}) {
        setInt(c, -42);
        setFloat(c, 1.5f);
        setString(c, "7.25");
    }
    EXPECT_EQ(std::make_tuple(std::string(getString(text)), getInt(text), getFloat(text)),
              std::make_tuple(std::string("7.25"), 0, 0.0));
    EXPECT_EQ(std::make_tuple(std::string(getString(integer)), getInt(integer), getFloat(integer)),
              std::make_tuple(std::string("-42"), -42, 0.0));
    EXPECT_EQ(std::make_tuple(std::string(getString(real)), getInt(real), getFloat(real)),
              std::make_tuple(std::string("1.500000"), 0, 1.5));

    FieldData* digits = fieldData(integer);
    setFieldText(*digits, "99999999999");
    EXPECT_EQ(getInt(integer), INT_MAX);
    setFieldText(*digits, "12abc");
    EXPECT_EQ(getInt(integer), 12);
    EXPECT_EQ(fieldData(integer)->kind, FieldKind::Integer);
    EXPECT_EQ(fieldData(createControl(LUI_BUTTON, nullptr)), nullptr);
}

TEST(CaretPhase, FlipsOnceEvery800MillisecondsAndRestartsWhenTheClockGoesBack) {
    tickCaretPhase(0); // a clock behind the last flip only restarts the measure
    const bool start = caretPhaseOn();
    tickCaretPhase(799);
    EXPECT_EQ(caretPhaseOn(), start);
    tickCaretPhase(800);
    EXPECT_NE(caretPhaseOn(), start);
    tickCaretPhase(5000); // however long the pause, one flip
    EXPECT_EQ(caretPhaseOn(), start);
    tickCaretPhase(10);
    tickCaretPhase(800);
    EXPECT_EQ(caretPhaseOn(), start);
    tickCaretPhase(810);
    EXPECT_NE(caretPhaseOn(), start);
}

class FieldFrame : public FrameTest {
  protected:
    Control* field = nullptr;
    FieldData* data = nullptr;
    void SetUp() override {
        FrameTest::SetUp();
        field = createControl(LUI_TEXTFIELD, "f");
        setPosition(field, 20, 40);
        setSize(field, 120, 24);
        setString(field, "HHHHHH");
        data = fieldData(field);
    }
    void TearDown() override {
        releaseCapture();
        if (overwriteMode()) dispatchSpecialKey(kInsertKey, 0, 0);
        destroyControl(field);
        FrameTest::TearDown();
    }
    void draw() {
        glClear(GL_COLOR_BUFFER_BIT);
        drawControlAt(field);
        grab();
    }
    // Puts the caret's blink into the phase asked for.
    static void setCaretPhase(bool on) {
        tickCaretPhase(0);
        if (caretPhaseOn() != on) tickCaretPhase(kCaretBlinkMs);
    }
};

void expectColour(Pixel actual, int colour, const char* where) {
    const Rgb expected = getColour(colour);
    EXPECT_NEAR(actual.r, expected.r * 255, 2) << where;
    EXPECT_NEAR(actual.g, expected.g * 255, 2) << where;
    EXPECT_NEAR(actual.b, expected.b * 255, 2) << where;
}

// Characters are 6 wide from x 20 + 4; the bar and caret span y 44 to 59.
TEST_F(FieldFrame, TheSelectionBarRunsFromTheAnchorToTheEndBehindTheText) {
    data->selecting = 1;
    data->anchor = 4;
    data->selectionEnd = 1;
    draw();
    expectColour(pixel(20, 45), LUI_COLOR_DARK_GREY, "outline");
    expectColour(pixel(22, 45), LUI_COLOR_WINDOW, "white face");
    expectColour(pixel(24 + 6 + 1, 44), LUI_COLOR_HIGHLIGHT, "bar's top left");
    expectColour(pixel(24 + 24 - 1, 59), LUI_COLOR_HIGHLIGHT, "bar's bottom right");
    expectColour(pixel(24 + 6 + 1, 60), LUI_COLOR_WINDOW, "below the bar");
    expectColour(pixel(24 + 24 + 1, 45), LUI_COLOR_WINDOW, "right of the bar");
    const InkBox text = inkBox(*this, 20, 40, 140, 64);
    EXPECT_GE(text.left, 24);
    EXPECT_LT(text.right, 24 + 36);
    EXPECT_GE(text.top, 40 + (24 - 12) / 2);
}

TEST_F(FieldFrame, TheCaretBlinksOnlyInTheFocusedFieldAndOverwriteMarksTheCharacter) {
    data->cursor = 2;
    setCaretPhase(true);
    draw();
    const Pixel unfocused = pixel(24 + 12, 45);
    setCapture(field);
    draw();
    expectColour(pixel(24 + 12, 45), LUI_COLOR_DARK_GREY, "caret");
    expectColour(pixel(24 + 12, 58), LUI_COLOR_DARK_GREY, "caret's foot");
    setCaretPhase(false);
    draw();
    expectColour(pixel(24 + 12, 45), LUI_COLOR_WINDOW, "blinked off");
    EXPECT_EQ(unfocused.r, 255);

    dispatchSpecialKey(kInsertKey, 0, 0);
    draw();
    expectColour(pixel(24 + 12, 45), LUI_COLOR_HIGHLIGHT, "overwrite block");
    expectColour(pixel(24 + 12 + 5, 58), LUI_COLOR_HIGHLIGHT, "over one character");
    expectColour(pixel(24 + 18, 45), LUI_COLOR_WINDOW, "and no further");
}

TEST_F(FieldFrame, ScrolledTextIsClippedFourPixelsInsideTheEdges) {
    setString(field, std::string(40, 'H').c_str());
    data->cursor = 40;
    keepCursorInView(*data, fontForRole(3), field->width);
    ASSERT_GT(data->scroll, 0);
    draw();
    const InkBox text = inkBox(*this, 0, 0, kSize, kSize);
    EXPECT_GE(text.left, 24);
    EXPECT_LE(text.right, 20 + 120 - 4 - 1);
}

} // namespace
