#include "ui/combo_box.h"

#include <algorithm>

#include "ui/control_draw.h"
#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/group.h"
#include "ui/leaf_control.h"
#include "ui/scroll_bar.h"

namespace ui {

namespace {

constexpr int kBarWidth = 10;

int dropDownRowsHeight(const ListData* combo) {
    return combo->visibleRows * comboRowHeight();
}
// The drop-down below the box: its rows and a 4-pixel margin.
int dropDownHeight(const ListData* combo) {
    return dropDownRowsHeight(combo) + 4;
}

bool inDropDown(const Control* control, const ListData* combo, int x, int y) {
    return x >= 0 && x < control->width && y >= control->height &&
           y < control->height + dropDownHeight(combo);
}

// The scroll bar's command: it runs with the bar. The rows scroll until the
// last one shows at the bottom of the drop-down.
int comboScrolled(Control* bar) {
    if (ComboBoxData* combo = comboBoxData(bar->parent)) {
        const long long content = static_cast<long long>(combo->items.count()) * comboRowHeight();
        combo->scroll = scrollOffset(scrollBarPosition(bar), content, dropDownRowsHeight(combo));
        requestRedisplay();
    }
    return 0;
}

void openDropDown(Control* control, ComboBoxData* combo) {
    combo->dropped = 1;
    if (Control* bar = childOfType(control, LUI_SCROLL_BAR))
        bar->shown = combo->items.count() > combo->visibleRows;
    setCapture(control);
    requestRedisplay();
}

void closeDropDown(Control* control, ComboBoxData* combo) {
    combo->dropped = 0;
    combo->barGesture = 0;
    if (Control* bar = childOfType(control, LUI_SCROLL_BAR)) bar->shown = 0;
    releaseCaptureOf(control);
    requestRedisplay();
}

// The bar of an open drop-down takes the presses on its strip.
Control* shownBar(const Control* control, const ComboBoxData* combo) {
    Control* bar = childOfType(control, LUI_SCROLL_BAR);
    return combo->dropped && bar && bar->shown ? bar : nullptr;
}

// The bar follows a gesture begun on it; the combo box keeps the capture so
// that the drop-down stays open and sees the next press.
int passToBar(Control* control, Control* bar, int button, int state, int x, int y) {
    bar->cls->onMouseButton(bar, button, state, x - bar->x, y - bar->y);
    if (isLiveControl(control)) setCapture(control);
    return 1;
}

int pressDropped(Control* control, ComboBoxData* combo, int button, int state, int x, int y) {
    if (!inDropDown(control, combo, x, y)) {
        // A press on the box closes the list on its release; elsewhere at once,
        // and the press goes on to what lies there.
        if (insideControl(control, x, y)) return 1;
        closeDropDown(control, combo);
        return 0;
    }
    if (Control* bar = shownBar(control, combo); bar && x >= control->width - kBarWidth) {
        combo->barGesture = 1;
        return passToBar(control, bar, button, state, x, y);
    }
    const int row =
        rowAt(y, control->height, combo->scroll, comboRowHeight(), combo->items.count());
    closeDropDown(control, combo);
    if (row < 0) return 1;
    combo->items.selectOnly(row);
    combo->command.invoke(control);
    return 1;
}

int comboMouseButton(Control* control, int button, int state, int x, int y) {
    ComboBoxData* combo = comboBoxData(control);
    if (!combo || button != kLeftButton) return 0;
    if (state == kButtonDown) {
        if (combo->dropped) return pressDropped(control, combo, button, state, x, y);
        if (!insideControl(control, x, y)) return 0;
        setCapture(control);
        return 1;
    }
    if (combo->barGesture) {
        combo->barGesture = 0;
        Control* bar = shownBar(control, combo);
        return bar ? passToBar(control, bar, button, state, x, y) : 1;
    }
    // Only the release of a press on the box opens or closes the list.
    if (capturedControl() != control) return 0;
    if (!insideControl(control, x, y)) {
        closeDropDown(control, combo);
        return 0;
    }
    if (combo->dropped)
        closeDropDown(control, combo);
    else
        openDropDown(control, combo);
    return 1;
}

int comboDrag(Control* control, int x, int y, int dx, int dy) {
    const ComboBoxData* combo = comboBoxData(control);
    Control* bar = combo && combo->barGesture ? shownBar(control, combo) : nullptr;
    if (bar && bar->cls->onDrag) return bar->cls->onDrag(bar, x - bar->x, y - bar->y, dx, dy);
    return forwardDrag(control, x, y, dx, dy);
}

void drawDropDown(const Control* control, const ComboBoxData* combo) {
    const int width = control->width, height = control->height;
    const int font = fontForRole(2), rowHeight = comboRowHeight();
    highlightPanel(0, height, width, dropDownHeight(combo), 2);
    pushClipLocal(2, height, width - 14, dropDownHeight(combo));
    const int first = combo->scroll / rowHeight;
    const int last =
        std::min(combo->items.count(), (combo->scroll + dropDownHeight(combo)) / rowHeight + 1);
    for (int row = first; row < last; ++row) {
        const int top = height - combo->scroll + row * rowHeight;
        setColour(combo->items.isSelected(row) ? LUI_COLOR_DARK_GREY : LUI_COLOR_BLACK);
        drawText(font, combo->items.text(row), 8, top + 2);
    }
    popClip();
    if (Control* bar = shownBar(control, combo)) drawControlAt(bar);
}

void drawComboBox(Control* control) {
    const ComboBoxData* combo = comboBoxData(control);
    if (!combo) return;
    const int width = control->width, height = control->height, font = fontForRole(2);
    drawBorderedFace(control, combo->dropped);
    whitePanel(4, 4, width - 24, height - 8);
    setColour(control->hovered ? LUI_COLOR_DARK_GREY : LUI_COLOR_BLACK);
    drawText(font, combo->items.text(combo->items.selectedIndex(0)), 8,
             (height - fontHeight(font)) / 2 - 1);
    triangle(width - 14, height / 2 - 2, width - 6, height / 2 - 2, width - 10, height / 2 + 2,
             0.7f);
    if (combo->dropped) drawDropDown(control, combo);
}

void placeScrollBar(Control* control, int width, int height) {
    const ComboBoxData* combo = comboBoxData(control);
    Control* bar = childOfType(control, LUI_SCROLL_BAR);
    if (!combo || !bar) return;
    setPosition(bar, width - kBarWidth, height);
    setSize(bar, kBarWidth, dropDownRowsHeight(combo));
}

void createComboBox(Control* control) {
    // The record is kept as its ListData head, which the item functions read.
    ListData* head = new ComboBoxData{};
    control->data = head;
    setLeafDefaults(control);
    control->height = fontHeight(fontForRole(1)) + 12;
    setStyle(control, kStyleFlatBorder);
    Control* bar = createChild(control, LUI_SCROLL_BAR, "combo box scroll");
    scrollBarData(bar)->command.setNative(comboScrolled);
    placeScrollBar(control, control->width, control->height);
}

void destroyComboBox(Control* control) {
    delete comboBoxData(control);
    control->data = nullptr;
}

int comboMinWidth(Control*) {
    return 50;
}

} // namespace

ComboBoxData* comboBoxData(const Control* control) {
    if (!control || controlType(control) != LUI_COMBO_BOX) return nullptr;
    return static_cast<ComboBoxData*>(listData(control));
}

int comboRowHeight() {
    return fontHeight(fontForRole(2)) + 4;
}

const ControlClass comboBoxClass{
    .typeId = LUI_COMBO_BOX,
    .isContainer = 1,
    .create = createComboBox,
    .destroy = destroyComboBox,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = comboDrag,
    .onHover = containerHover,
    .onMouseButton = comboMouseButton,
    .draw = drawComboBox,
    .minWidth = comboMinWidth,
    .resize = placeScrollBar,
    .setInt = setCurrentListItem,
};

} // namespace ui
