#include "ui/static_text.h"

#include "ui/control_types.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/leaf_control.h"

namespace ui {

namespace {

constexpr uint32_t kStaticTextStyle = 4;
constexpr int kTextMargin = 3;

void createStaticText(Control* control) {
    setLeafDefaults(control);
    setStyle(control, kStaticTextStyle);
}

void drawStaticText(Control* control) {
    const int font = fontForRole(1);
    panel(0, 0, control->width, control->height, false, 0);
    setColour(LUI_COLOR_BLACK);
    const int x = alignedTextX(control->style, control->width, textWidth(font, control->label));
    drawText(font, control->label, x, (control->height - fontHeight(font)) / 2);
}

} // namespace

const ControlClass staticTextClass{
    .typeId = LUI_TEXT,
    .create = createStaticText,
    .draw = drawStaticText,
};

int alignedTextX(uint32_t style, int width, int textWidth) {
    if (style & kStyleCentreText) return (width - textWidth) / 2;
    if (style & kStyleRightText) return width - textWidth - kTextMargin;
    return kTextMargin;
}

} // namespace ui
