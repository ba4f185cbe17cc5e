// How windows look: shadow, raised frame, gradient title bar with its
// buttons and caption, sunken client area clipped around the children.
#include <GL/gl.h>

#include "ui/control_draw.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/window.h"

namespace ui {

namespace {

int titleButtonIcon(const WindowData* window, TitleButton role) {
    switch (role) {
    case TitleButton::Close: return ICON_CLOSE;
    case TitleButton::Maximise: return window->maximised ? ICON_RESTORE : ICON_MAXIMISE;
    case TitleButton::Minimise: return window->minimised ? ICON_RESTORE : ICON_MINIMISE;
    case TitleButton::None: break;
    }
    return ICON_NONE;
}

// The bar spans (x, y) to x + width; its buttons end 2 pixels before the
// right edge of a window `outerWidth` wide.
void drawTitleBar(const Control* control, const WindowData* window, int x, int y, int width,
                  int outerWidth) {
    int height = titleBarHeight();
    panel(x, y, width, height, true, 0);
    int side = height - 4;
    const WindowGesture& gesture = windowGesture();
    bool ownGesture = capturedControl() == control;
    for (int index = 1; index <= 3; ++index) {
        TitleButton role = titleButtonRole(window, index);
        if (role == TitleButton::None) break;
        int left = outerWidth - 2 - index * side;
        int top = y + 2;
        if (ownGesture && gesture.titleButtonPressed == index)
            pressedPanel(left, top, side, side, gesture.titleButtonDown ? -1 : 1);
        else
            panel(left, top, side, side, false, 1);
        int icon = titleButtonIcon(window, role);
        int size = iconSize(icon);
        drawIcon(icon, left + (side - size) / 2, top + (side + size) / 2);
    }
    setColour(LUI_COLOR_TITLE_TEXT);
    drawText(fontForRole(4), control->label, x + 8, y + 2);
}

} // namespace

void windowDraw(Control* control) {
    const WindowData* window = windowData(control);
    if (!window || !control->shown) return;

    if (window->minimised) {
        int width = minimisedStripWidth();
        int height = fontHeight(fontForRole(4)) + 8;
        shadow(0, 0, width, height);
        panel(0, 0, width, height, false, 1);
        drawTitleBar(control, window, 2, 2, width - 4, width);
        return;
    }

    int width = control->width, height = control->height;
    if (window->maximised && control->parent) {
        width = control->parent->width;
        height = control->parent->height;
    } else {
        shadow(0, 0, width, height);
    }
    panel(0, 0, width, height, false, 1);
    int top = 0;
    if (window->titled) {
        drawTitleBar(control, window, 2, 2, width - 4, width);
        top = titleBarHeight();
    }

    glPushMatrix();
    translate(0, top);
    int clientHeight = height - top - 4;
    panel(2, 2, width - 4, clientHeight, false, -1);
    pushClipLocal(2, 2, width - 4, clientHeight);
    drawChildren(control);
    popClip();
    glPopMatrix();
}

} // namespace ui
