#include "ui/list_box.h"

#include <algorithm>

#include "platform/glut_backend.h"
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
// The first row's top, inside the white panel's edge; the rows end as far
// above the bottom when scrolled to the end.
constexpr int kRowsTop = 4;

ListData* listBoxData(const Control* control) {
    return control && controlType(control) == LUI_LIST_BOX ? listData(control) : nullptr;
}

void scrollTo(ListData* list, float position, int height) {
    const long long content =
        static_cast<long long>(list->items.count()) * listRowHeight() + 2 * kRowsTop;
    list->scroll = scrollOffset(position, content, height);
    requestRedisplay();
}

// The scroll bar's command: it runs with the bar.
int listScrolled(Control* bar) {
    Control* control = bar->parent;
    if (ListData* list = listBoxData(control))
        scrollTo(list, scrollBarPosition(bar), control->height);
    return 0;
}

void placeScrollBar(Control* control, int width, int height) {
    Control* bar = childOfType(control, LUI_SCROLL_BAR);
    if (!bar) return;
    setPosition(bar, width - kBarWidth, 0);
    setSize(bar, kBarWidth, height);
}

void createListBox(Control* control) {
    auto* list = new ListData{};
    control->data = list;
    setLeafDefaults(control);
    control->height = list->visibleRows * fontHeight(fontForRole(1)) + 22;
    setStyle(control, kStyleFlatBorder);
    Control* bar = createChild(control, LUI_SCROLL_BAR, "list box scroll");
    scrollBarData(bar)->command.setNative(listScrolled);
    placeScrollBar(control, control->width, control->height);
}

// A left press on a row selects it alone, or with Ctrl adds it to the
// selection or takes it out, and runs the command.
int listBoxMouseButton(Control* control, int button, int state, int x, int y) {
    ListData* list = listBoxData(control);
    const bool onRows =
        list && button == kLeftButton && state == kButtonDown && x < control->width - kBarWidth;
    if (onRows) {
        const int row = rowAt(y, kRowsTop, list->scroll, listRowHeight(), list->items.count());
        if (row >= 0) {
            if (platform::HeldModifiers() & platform::kCtrlModifier)
                list->items.toggle(row);
            else
                list->items.selectOnly(row);
            requestRedisplay();
            list->command.invoke(control);
            if (!isLiveControl(control)) return 1;
        }
    }
    const int taken = forwardMouseButton(control, button, state, x, y);
    return onRows || taken;
}

void drawListBox(Control* control) {
    const ListData* list = listBoxData(control);
    if (!list) return;
    const int width = control->width, height = control->height;
    drawBorderedFace(control, false);
    whitePanel(2, 1, width - 14, height - 2);
    pushClipLocal(2, 1, width - 14, height - 2);
    const int font = fontForRole(2), rowHeight = listRowHeight();
    const int first = std::max(0, (list->scroll - kRowsTop) / rowHeight);
    const int last = std::min(list->items.count(), (list->scroll + height) / rowHeight + 1);
    for (int row = first; row < last; ++row) {
        const int top = kRowsTop - list->scroll + row * rowHeight;
        if (list->items.isSelected(row)) highlightPanel(2, top, width - 14, rowHeight, 0);
        setColour(control->hovered ? LUI_COLOR_DARK_GREY : LUI_COLOR_WINDOW_TEXT);
        drawText(font, list->items.text(row), 5, top + 1);
    }
    popClip();
    drawChildren(control);
}

int listBoxMinHeight(Control*) {
    return fontHeight(fontForRole(1)) + 12;
}

void resizeListBox(Control* control, int width, int height) {
    placeScrollBar(control, width, height);
    if (ListData* list = listBoxData(control))
        scrollTo(list, scrollBarPosition(childOfType(control, LUI_SCROLL_BAR)), height);
}

} // namespace

int listRowHeight() {
    return fontHeight(fontForRole(2)) + 2;
}

const ControlClass listBoxClass{
    .typeId = LUI_LIST_BOX,
    .isContainer = 1,
    .create = createListBox,
    .destroy = destroyRecord<ListData>,
    .onKey = forwardKey,
    .onSpecialKey = forwardSpecialKey,
    .onDrag = forwardDrag,
    .onHover = containerHover,
    .onMouseButton = listBoxMouseButton,
    .draw = drawListBox,
    .minHeight = listBoxMinHeight,
    .resize = resizeListBox,
    .setInt = setCurrentListItem,
};

} // namespace ui
