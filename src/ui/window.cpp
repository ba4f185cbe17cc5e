#include "ui/window.h"

#include <algorithm>

#include "ui/control_types.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"

namespace ui {

namespace {

WindowGesture gesture;
// The maximised window's size before it was maximised.
int savedWidth = 0, savedHeight = 0;

void endGesture() { gesture = WindowGesture{}; }

// Offset of the children's origin below the window's own.
int clientTop(const WindowData* window) { return window->titled ? titleBarHeight() : 0; }

bool inTitleRow(const WindowData* window, int y) {
    return window->titled && y < titleBarHeight() + 2;
}

bool outsideBand(const Control* control, int x, int y) {
    return x < -kEdgeBand || x > control->width + kEdgeBand || y < -kEdgeBand ||
           y > control->height + kEdgeBand;
}

// The width the title buttons are laid out in.
int widthInForce(const Control* control, const WindowData* window) {
    if (window->maximised) return control->parent ? control->parent->width : screenWidth();
    if (window->minimised) return minimisedStripWidth();
    return control->width;
}

void pressTitleButton(Control* control, int index) {
    gesture.titleButtonPressed = index;
    gesture.titleButtonDown = 1;
    setCapture(control);
}

void startMoving(Control* control) {
    setCursor(kCursorSpray);
    gesture.movingWindow = 1;
    setCapture(control);
}

void toggleMaximise(Control* control, WindowData* window) {
    if (window->maximised)
        restoreWindow(control);
    else
        maximiseWindow(control);
}

void toggleMinimise(WindowData* window) {
    window->minimised = !window->minimised;
    if (window->minimised && maximisedControl()) {
        restoreWindow(maximisedControl());
        window->maximised = 0;
    }
}

// Runs the action of the title button released over, if it is the one that
// was pressed. Returns true when the window is gone.
bool releaseTitleButton(Control* control, WindowData* window, int x, int y) {
    int index = titleButtonAt(window, widthInForce(control, window), x, y);
    if (index == 0 || index != gesture.titleButtonPressed) return false;
    gesture.titleButtonPressed = 0;
    gesture.titleButtonDown = 0;
    switch (titleButtonRole(window, index)) {
    case TitleButton::Close:
        releaseCapture();
        clearHover();
        if (maximisedControl()) restoreWindow(maximisedControl());
        destroyControl(control);
        return true;
    case TitleButton::Maximise: toggleMaximise(control, window); break;
    case TitleButton::Minimise: toggleMinimise(window); break;
    case TitleButton::None: return false;
    }
    window->onSize.invoke(control);
    if (!isLiveControl(control)) return true;
    // Windows with a layout of their own re-arrange it for the new state.
    if (index == 1 && control->cls->resize)
        control->cls->resize(control, control->width, control->height);
    return false;
}

int pressMinimised(Control* control, WindowData* window, int x, int y) {
    if (x < 0 || x >= minimisedStripWidth() || y < 0 || y >= titleBarHeight()) {
        releaseCapture();
        return 0;
    }
    if (int index = titleButtonAt(window, minimisedStripWidth(), x, y))
        pressTitleButton(control, index);
    else
        startMoving(control);
    return 1;
}

int pressNormal(Control* control, WindowData* window, int button, int state, int x, int y) {
    int childY = y - clientTop(window);
    if (outsideBand(control, x, y)) return forwardMouseButton(control, button, state, x, childY);
    if (window->sizeable) {
        if (int zone = resizeZoneAt(control, x, y)) {
            gesture.resizeZone = zone;
            setCapture(control);
            return 1;
        }
    }
    if (!inTitleRow(window, y)) {
        setCursor(kCursorInherit);
        return forwardMouseButton(control, button, state, x, childY);
    }
    if (int index = titleButtonAt(window, control->width, x, y))
        pressTitleButton(control, index);
    else
        startMoving(control);
    return 1;
}

// One axis of an edge drag: the far edge follows `delta`; the near edge
// follows it too but stops at the screen's origin, growing the size instead.
// At `minimum` the edge being dragged stops while the opposite one keeps its
// place.
void dragAxis(int& position, int& size, int delta, bool nearEdge, bool farEdge, int minimum) {
    const int start = position, end = position + size;
    if (farEdge) size += delta;
    if (nearEdge) {
        position += delta;
        size -= delta;
        if (position < 0) {
            position = 0;
            size = end;
        }
    }
    if (size < minimum) {
        size = minimum;
        position = nearEdge ? std::max(0, end - size) : start;
    }
}

// Drags an edge or corner by (dx, dy); the window stays right of and below
// the screen's top-left corner and no smaller than 160x100.
void resizeByZone(Control* control, int zone, int dx, int dy) {
    bool leftEdge = zone == 2 || zone == 4 || zone == 5;
    bool rightEdge = zone == 1 || zone == 3 || zone == 6;
    bool topEdge = zone == 1 || zone == 2 || zone == 8;
    bool bottomEdge = zone == 3 || zone == 4 || zone == 7;
    int x = control->x, y = control->y, width = control->width, height = control->height;
    dragAxis(x, width, dx, leftEdge, rightEdge, kMinimumWindowWidth);
    dragAxis(y, height, dy, topEdge, bottomEdge, kMinimumWindowHeight);
    setPosition(control, x, y);
    setSize(control, width, height);
}

int edgeCursor(const Control* control, int x, int y) {
    bool left = x < kEdgeBand, right = x > control->width - kEdgeBand;
    bool top = y < 3, bottom = y > control->height - kEdgeBand;
    if (top && left) return kCursorTopLeftCorner;
    if (top && right) return kCursorTopRightCorner;
    if (bottom && left) return kCursorBottomLeftCorner;
    if (bottom && right) return kCursorBottomRightCorner;
    if (left || right) return kCursorLeftSide;
    if (top || bottom) return kCursorUpDown;
    return 0;
}

void createWindow(Control* control) {
    initWindow(control, new WindowData{});
    setCurrentParent(control);
}

void destroyWindow(Control* control) {
    auto* window = static_cast<WindowData*>(control->data);
    window->onDestroy.invoke(control);
    delete window;
    control->data = nullptr;
}

} // namespace

const ControlClass windowClass = windowOperations(LUI_WINDOW, createWindow, destroyWindow);

WindowData* windowData(const Control* control) {
    if (!control || !control->data || !isWindowType(controlType(control))) return nullptr;
    return static_cast<WindowData*>(control->data);
}

int titleBarHeight() { return fontHeight(fontForRole(4)) + 4; }
int minimisedStripWidth() { return titleBarHeight() * 3 + 100; }

void initWindow(Control* control, WindowData* window) {
    control->data = window;
    setPosition(control, 10, 10);
    control->width = 400;
    control->height = 300;
    setStyle(control, kDefaultWindowStyle);
}

int resizeZoneAt(const Control* control, int x, int y) {
    bool left = x < kEdgeBand, right = x > control->width - kEdgeBand;
    bool top = y < kEdgeBand, bottom = y > control->height - kEdgeBand;
    if (top && right) return 1;
    if (top && left) return 2;
    if (bottom && right) return 3;
    if (bottom && left) return 4;
    if (left) return 5;
    if (right) return 6;
    if (bottom) return 7;
    if (top) return 8;
    return 0;
}

TitleButton titleButtonRole(const WindowData* window, int index) {
    TitleButton roles[3];
    int count = 0;
    if (window->closable) roles[count++] = TitleButton::Close;
    if (window->sizeable) roles[count++] = TitleButton::Maximise;
    if (window->minimisable) roles[count++] = TitleButton::Minimise;
    return index >= 1 && index <= count ? roles[index - 1] : TitleButton::None;
}

int titleButtonAt(const WindowData* window, int width, int x, int y) {
    if (!inTitleRow(window, y) || y < 0) return 0;
    int buttonWidth = titleBarHeight() - 4;
    int rowEnd = width - 2;
    if (x >= rowEnd || buttonWidth <= 0) return 0;
    int index = (rowEnd - 1 - x) / buttonWidth + 1;
    return titleButtonRole(window, index) == TitleButton::None ? 0 : index;
}

const WindowGesture& windowGesture() { return gesture; }

void maximiseWindow(Control* control) {
    WindowData* window = windowData(control);
    if (!window) return;
    if (Control* other = maximisedControl(); other && other != control) restoreWindow(other);
    if (maximisedControl() != control) {
        savedWidth = control->width;
        savedHeight = control->height;
        setMaximisedControl(control);
    }
    window->maximised = 1;
    window->minimised = 0;
    setSize(control, screenWidth(), screenHeight());
}

void restoreWindow(Control* control) {
    if (WindowData* window = windowData(control)) window->maximised = 0;
    if (maximisedControl() != control) return;
    setSize(control, savedWidth, savedHeight);
    setMaximisedControl(nullptr);
}

int windowMouseButton(Control* control, int button, int state, int x, int y) {
    WindowData* window = windowData(control);
    if (!window) return 0;
    int childY = y - clientTop(window);

    if (state == kButtonDown) {
        if (capturedControl()) return 0;
        endGesture();
        bringToFront(control);
        if (button != kLeftButton) return forwardMouseButton(control, button, state, x, childY);
        if (window->minimised) return pressMinimised(control, window, x, y);
        if (window->maximised) {
            int index = inTitleRow(window, y) ? titleButtonAt(window, widthInForce(control, window), x, y) : 0;
            if (!index) return forwardMouseButton(control, button, state, x, childY);
            pressTitleButton(control, index);
            return 1;
        }
        return pressNormal(control, window, button, state, x, y);
    }

    bool ownGesture = capturedControl() == control;
    gesture.movingWindow = 0;
    gesture.resizeZone = 0;
    if (button == kLeftButton) {
        bool inTitle = window->minimised ? y >= 0 && y < titleBarHeight() : inTitleRow(window, y);
        if (window->titled && inTitle) {
            setCursor(kCursorInherit);
            if (releaseTitleButton(control, window, x, y)) return 1;
        }
        releaseCapture();
        // The release that ends the window's own gesture is no click for its children.
        if (ownGesture) {
            endGesture();
            return 1;
        }
    }
    return forwardMouseButton(control, button, state, x, childY);
}

int windowDrag(Control* control, int x, int y, int dx, int dy) {
    WindowData* window = windowData(control);
    if (!window) return 0;
    if (capturedControl() != control)
        return forwardDrag(control, x, y - clientTop(window), dx, dy);
    if (gesture.movingWindow) {
        setPosition(control, control->x + dx, control->y + dy);
        window->onMove.invoke(control);
        return 1;
    }
    gesture.titleButtonDown = 0;
    if (gesture.titleButtonPressed) {
        int over = titleButtonAt(window, widthInForce(control, window), x, y);
        gesture.titleButtonDown = over == gesture.titleButtonPressed;
    } else if (gesture.resizeZone) {
        resizeByZone(control, gesture.resizeZone, dx, dy);
        window->onSize.invoke(control);
    }
    return 1;
}

int windowHover(Control* control, int x, int y, int dx, int dy) {
    WindowData* window = windowData(control);
    if (!window || window->minimised) return 0;
    int childY = y - clientTop(window);
    if (!control->shown) return forwardHover(control, x, childY, dx, dy);
    if (outsideBand(control, x, y)) {
        clearHover();
        setCursor(kCursorInherit);
        return 0;
    }
    if (window->maximised || !window->sizeable) {
        forwardHover(control, x, childY, dx, dy);
        return 1;
    }
    int cursor = edgeCursor(control, x, y);
    if (!cursor && inTitleRow(window, y)) {
        setCursor(kCursorInherit);
        forwardHover(control, x, childY, dx, dy);
        return 1;
    }
    setCursor(cursor ? cursor : kCursorInherit);
    if (!forwardHover(control, x, childY, dx, dy) && hoverControl() != control) setHover(control);
    return 1;
}

int windowKey(Control* control, int character, int x, int y) {
    const WindowData* window = windowData(control);
    return forwardKey(control, character, x, y - (window ? clientTop(window) : 0));
}

int windowSpecialKey(Control* control, int key, int x, int y) {
    const WindowData* window = windowData(control);
    return forwardSpecialKey(control, key, x, y - (window ? clientTop(window) : 0));
}

void windowSetStyle(Control* control, uint32_t style) {
    WindowData* window = windowData(control);
    if (!window) return;
    window->sizeable = (style & kStyleSizeable) != 0;
    window->titled = (style & kStyleTitled) != 0;
}

} // namespace ui
