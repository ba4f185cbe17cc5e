// The caret's blink and how a field looks; editing runs in
// field_editing_test.cpp and, driven by keys, in controls/field.lua.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "frame_fixture.h"
#include "ink_box.h"
#include "ui/caret_phase.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/text_field.h"

using namespace ui;

namespace {

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
    // Row 45 of the frame lies inside the bar and caret (rows 44 to 59) and
    // above the text; characters are 6 wide from x 24.
    void expectColour(int x, int colour, const char* where, int y = 45) {
        const Rgb expected = getColour(colour);
        const Pixel actual = pixel(x, y);
        EXPECT_NEAR(actual.r, expected.r * 255, 2) << where;
        EXPECT_NEAR(actual.g, expected.g * 255, 2) << where;
        EXPECT_NEAR(actual.b, expected.b * 255, 2) << where;
    }
};

TEST_F(FieldFrame, TheSelectionBarRunsFromTheAnchorToTheEndBehindTheClippedText) {
    data->selecting = 1;
    data->anchor = 4;
    data->selectionEnd = 1;
    draw();
    expectColour(20, LUI_COLOR_DARK_GREY, "outline");
    expectColour(22, LUI_COLOR_WINDOW, "white face");
    expectColour(24 + 6, LUI_COLOR_HIGHLIGHT, "bar's top left", 44);
    expectColour(24 + 24 - 1, LUI_COLOR_HIGHLIGHT, "bar's bottom right", 59);
    expectColour(24 + 6, LUI_COLOR_WINDOW, "below the bar", 60);
    expectColour(24 + 24, LUI_COLOR_WINDOW, "right of the bar");
    const InkBox text = inkBox(*this, 20, 40, 140, 64);
    EXPECT_GE(text.left, 24);
    EXPECT_LT(text.right, 24 + 36);
    EXPECT_GE(text.top, 40 + (24 - 12) / 2);

    // Scrolled to its end, a long text is clipped 4 pixels inside both edges.
    setString(field, std::string(40, 'H').c_str());
    data->cursor = 40;
    keepCursorInView(*data, fontForRole(3), field->width);
    draw();
    const InkBox scrolled = inkBox(*this, 0, 0, kSize, kSize);
    EXPECT_GE(scrolled.left, 24);
    EXPECT_LE(scrolled.right, 20 + 120 - 4 - 1);
}

TEST_F(FieldFrame, TheCaretBlinksOnlyInTheFocusedFieldAndOverwriteMarksTheCharacter) {
    data->cursor = 2;
    auto setCaretPhase = [](bool on) {
        tickCaretPhase(0);
        if (caretPhaseOn() != on) tickCaretPhase(kCaretBlinkMs);
    };
    setCaretPhase(true);
    draw();
    expectColour(24 + 12, LUI_COLOR_WINDOW, "no caret without the focus");
    setCapture(field);
    draw();
    expectColour(24 + 12, LUI_COLOR_DARK_GREY, "caret");
    expectColour(24 + 12, LUI_COLOR_DARK_GREY, "caret's foot", 58);
    setCaretPhase(false);
    draw();
    expectColour(24 + 12, LUI_COLOR_WINDOW, "blinked off");

    dispatchSpecialKey(kInsertKey, 0, 0);
    draw();
    expectColour(24 + 12, LUI_COLOR_HIGHLIGHT, "overwrite block");
    expectColour(24 + 17, LUI_COLOR_HIGHLIGHT, "over one character", 58);
    expectColour(24 + 18, LUI_COLOR_WINDOW, "and no further");
}

} // namespace
