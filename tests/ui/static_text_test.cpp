#include <GL/gl.h>
#include <gtest/gtest.h>

#include <tuple>

#include "frame_fixture.h"
#include "ink_box.h"
#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/static_text.h"

using namespace ui;

namespace {

using StaticTextFrame = FrameTest;

TEST_F(StaticTextFrame, TheLabelSitsLeftRightOrCentredOnAFlatFaceAndCentredVertically) {
    const int width = textWidth(fontForRole(1), "HIHI"), height = fontHeight(fontForRole(1));
    // Style, and where the label's box starts in a 120x25 control.
    const std::tuple<const char*, uint32_t, int> rows[] = {
        {"left (the default style)", 4, 3},
        {"right", 4 | kStyleRightText, 120 - 3 - width},
        {"centred", kStyleCentreText | kStyleRightText, (120 - width) / 2},
    };
    for (auto [name, style, textX] : rows) {
        SCOPED_TRACE(name);
        glClear(GL_COLOR_BUFFER_BIT);
        Control* text = createControl(LUI_TEXT, "t");
        if (style != 4) setStyle(text, style);
        setLabel(text, "HIHI");
        setPosition(text, 20, 30);
        setSize(text, 120, 25);
        drawControlAt(text);
        destroyControl(text);
        grab();
        const InkBox ink = inkBox(*this, 0, 0, kSize, kSize);
        EXPECT_GE(ink.left, 20 + textX);
        EXPECT_LT(ink.right, 20 + textX + width);
        EXPECT_GE(ink.top, 30 + (25 - height) / 2);
        EXPECT_LT(ink.bottom, 30 + (25 - height) / 2 + height);
        const Pixel face = pixel(21, 31);
        EXPECT_EQ(std::tie(face.r, face.g, face.b), std::tuple(237, 233, 216)) << "no bevel";
    }
}

} // namespace
