#include "ui/dispatch.h"

#include "ui/draw.h"
#include "ui/window.h"

namespace ui {

namespace {

struct InputState {
    bool visible = true;
    bool overwrite = false;
    int screenWidth = 0, screenHeight = 0;
    int lastMouseX = 0, lastMouseY = 0;
    Control* captured = nullptr;
    Control* hover = nullptr;
    Control* maximised = nullptr;
};
InputState input;

bool contains(const Control* control, int x, int y) {
    return x >= control->x && x < control->x + control->width && y >= control->y &&
           y < control->y + control->height;
}

// The front-most top-level control under the point.
Control* topLevelAt(int x, int y) {
    for (Control* control : rootControl()->children)
        if (hitsControl(control, x, y)) return control;
    return nullptr;
}

// Title bar of a window ancestor that children sit below.
int titleOffset(const Control* control) {
    const WindowData* window = windowData(control);
    return window && window->titled ? titleBarHeight() : 0;
}

// The captured / maximised / hit-top-level chain shared by drag and hover.
template <typename Handler>
int offerPointerEvent(Control* first, Handler handler, int x, int y, int dx, int dy) {
    if (first) {
        int localX = x, localY = y;
        toLocal(first, localX, localY);
        return handler(first) ? handler(first)(first, localX, localY, dx, dy) : 0;
    }
    if (Control* window = input.maximised)
        return handler(window) ? handler(window)(window, x, y, dx, dy) : 0;
    Control* hit = topLevelAt(x, y);
    if (!hit) return 0;
    return handler(hit) ? handler(hit)(hit, x - hit->x, y - hit->y, dx, dy) : 1;
}

template <typename Operation, typename... Event>
int forward(Control* container, Operation operation, int x, int y, Event... event) {
    for (Control* child : container->children) {
        if (!contains(child, x, y) || !child->cls || !(child->cls->*operation)) continue;
        if ((child->cls->*operation)(child, event..., x - child->x, y - child->y)) return 1;
    }
    return 0;
}

template <typename Operation>
int forwardMotion(Control* container, Operation operation, int x, int y, int dx, int dy) {
    for (Control* child : container->children) {
        if (!contains(child, x, y) || !child->cls || !(child->cls->*operation)) continue;
        if ((child->cls->*operation)(child, x - child->x, y - child->y, dx, dy)) return 1;
    }
    return 0;
}

template <typename Operation>
int dispatchKeyEvent(Operation operation, int code, int x, int y) {
    y = input.screenHeight - y;
    if (Control* captured = input.captured) {
        int localX = x, localY = y;
        toLocal(captured, localX, localY);
        if (captured->cls && captured->cls->*operation &&
            (captured->cls->*operation)(captured, code, localX, localY))
            return 1;
    }
    Control* hit = topLevelAt(x, y);
    if (!hit) return 0;
    if (!hit->cls || !(hit->cls->*operation)) return 1;
    return (hit->cls->*operation)(hit, code, x - hit->x, y - hit->y);
}

} // namespace

// ---- Input state -----------------------------------------------------------

bool toolkitVisible() { return input.visible; }
void toggleToolkitVisible() { input.visible = !input.visible; }
bool overwriteMode() { return input.overwrite; }

int screenWidth() { return input.screenWidth; }
int screenHeight() { return input.screenHeight; }

void setScreenSize(int width, int height) {
    input.screenWidth = width;
    input.screenHeight = height;
    rootControl()->width = width;
    rootControl()->height = height;
}

Control* capturedControl() { return input.captured; }
void setCapture(Control* control) { input.captured = control; }
void releaseCapture() { input.captured = nullptr; }
bool releaseCaptureOf(const Control* control) {
    if (input.captured != control) return false;
    releaseCapture();
    return true;
}

Control* hoverControl() { return input.hover; }

void setHover(Control* control) {
    if (input.hover) input.hover->hovered = 0;
    input.hover = control;
    if (control) control->hovered = 1;
    requestRedisplay();
}

void clearHover() { setHover(nullptr); }

Control* maximisedControl() { return input.maximised; }
void setMaximisedControl(Control* control) { input.maximised = control; }

void forgetControl(Control* control) {
    if (input.captured == control) input.captured = nullptr;
    if (input.hover == control) input.hover = nullptr;
    if (input.maximised == control) input.maximised = nullptr;
}

// ---- Coordinates -------------------------------------------------------------

void toLocal(const Control* control, int& x, int& y) {
    for (const Control* step = control; step && step != rootControl(); step = step->parent) {
        if (step != control) y -= titleOffset(step);
        if (step == input.maximised) break;
        x -= step->x;
        y -= step->y;
    }
}

void toScreen(const Control* control, int& x, int& y) {
    int localX = 0, localY = 0;
    toLocal(control, localX, localY);
    x -= localX;
    y -= localY;
}

bool hitsControl(const Control* control, int x, int y) {
    const WindowData* window = windowData(control);
    if (window && !control->shown) return false;
    if (window && window->minimised)
        return x >= control->x && x < control->x + minimisedStripWidth() && y >= control->y &&
               y < control->y + titleBarHeight();
    return contains(control, x, y);
}

// ---- Dispatch ------------------------------------------------------------------

int dispatchButton(int button, int state, int x, int y) {
    // The next drag measures its movement from the press.
    input.lastMouseX = x;
    input.lastMouseY = y;
    if (Control* captured = input.captured) {
        int localX = x, localY = y;
        toLocal(captured, localX, localY);
        if (captured->cls && captured->cls->onMouseButton &&
            captured->cls->onMouseButton(captured, button, state, localX, localY) == 1)
            return 1;
    }
    if (Control* window = input.maximised)
        return window->cls->onMouseButton ? window->cls->onMouseButton(window, button, state, x, y)
                                          : 0;
    Control* hit = topLevelAt(x, y);
    if (!hit) return 0;
    if (!hit->cls || !hit->cls->onMouseButton) return 1;
    return hit->cls->onMouseButton(hit, button, state, x - hit->x, y - hit->y);
}

int dispatchDrag(int x, int y) {
    int dx = 0, dy = 0;
    if (x < 0) {
        x = 0;
        input.lastMouseX = 0;
    } else if (x > input.screenWidth) {
        input.lastMouseX = input.screenWidth;
    } else {
        dx = x - input.lastMouseX;
        input.lastMouseX = x;
    }
    if (y < 0) {
        y = 0;
        input.lastMouseY = 0;
    } else if (y > input.screenHeight) {
        y = input.screenHeight;
        input.lastMouseY = input.screenHeight;
    } else {
        dy = y - input.lastMouseY;
        input.lastMouseY = y;
    }
    return offerPointerEvent(
        input.captured, [](Control* c) { return c->cls ? c->cls->onDrag : nullptr; }, x, y, dx, dy);
}

int dispatchHover(int x, int y) {
    int dx = x - input.lastMouseX, dy = y - input.lastMouseY;
    input.lastMouseX = x;
    input.lastMouseY = y;
    auto onHover = [](Control* c) { return c->cls ? c->cls->onHover : nullptr; };
    if (Control* hovered = input.hover) {
        int localX = x, localY = y;
        toLocal(hovered, localX, localY);
        if (onHover(hovered) && onHover(hovered)(hovered, localX, localY, dx, dy)) return 1;
    }
    return offerPointerEvent(nullptr, onHover, x, y, dx, dy);
}

int dispatchKey(int character, int x, int y) {
    return dispatchKeyEvent(&ControlClass::onKey, character, x, y);
}

int dispatchSpecialKey(int key, int x, int y) {
    if (key == kInsertKey) {
        input.overwrite = !input.overwrite;
        return 0;
    }
    return dispatchKeyEvent(&ControlClass::onSpecialKey, key, x, y);
}

// ---- Container forwarding ----------------------------------------------------

int forwardMouseButton(Control* container, int button, int state, int x, int y) {
    return forward(container, &ControlClass::onMouseButton, x, y, button, state);
}

int forwardDrag(Control* container, int x, int y, int dx, int dy) {
    return forwardMotion(container, &ControlClass::onDrag, x, y, dx, dy);
}

int forwardHover(Control* container, int x, int y, int dx, int dy) {
    return forwardMotion(container, &ControlClass::onHover, x, y, dx, dy);
}

int forwardKey(Control* container, int character, int x, int y) {
    return forward(container, &ControlClass::onKey, x, y, character);
}

int forwardSpecialKey(Control* container, int key, int x, int y) {
    return forward(container, &ControlClass::onSpecialKey, x, y, key);
}

int containerHover(Control* container, int x, int y, int dx, int dy) {
    if (container->hovered && input.hover != container) container->hovered = 0;
    bool inside = x >= 0 && x < container->width && y >= 0 && y < container->height;
    if (input.hover == container && !inside) clearHover();
    if (inside && input.hover != container) setHover(container);
    return forwardHover(container, x, y, dx, dy);
}

} // namespace ui
