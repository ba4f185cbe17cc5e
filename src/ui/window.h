// Windows (the plain window, the file dialog and the script editor share
// this): the window record, and moving, resizing, minimising, maximising and
// closing them with the pointer.
#pragma once

#include "ui/callback.h"
#include "ui/control.h"

namespace ui {

// The `data` of every window type. Types that extend it keep it as their
// first member.
struct WindowData {
    int sizeable = 1;     // resizable by the edges; shows the maximise button
    int titled = 1;       // has a title bar
    int minimised = 0;
    int maximised = 0;
    int minimisable = 1;  // shows the minimise button
    int closable = 1;     // shows the close button
    Callback onDestroy;
    Callback onSize;
    Callback onMove;
};

constexpr uint32_t kStyleTitled = 0x80;
constexpr uint32_t kDefaultWindowStyle = kStyleShown | kStyleTitled | kStyleSizeable;
constexpr int kMinimumWindowWidth = 160;
constexpr int kMinimumWindowHeight = 100;
// How far outside and inside its frame a window reacts to the pointer.
constexpr int kEdgeBand = 4;

// The window record of a window-type control; null for other controls.
WindowData* windowData(const Control* control);

// Height of the title bar: the title font's height + 4.
int titleBarHeight();
// Width of a minimised window's title strip.
int minimisedStripWidth();

// Gives a new window its record: 400x300 at (10, 10), shown, the default
// style (sizeable and titled).
void initWindow(Control* control, WindowData* window);

// Which edge or corner a point is near: 0 none, 1 top-right, 2 top-left,
// 3 bottom-right, 4 bottom-left, 5 left, 6 right, 7 bottom, 8 top.
int resizeZoneAt(const Control* control, int x, int y);

// The title button under a point (1 to 3 counted from the right edge of a
// window `width` wide), 0 for none.
int titleButtonAt(const WindowData* window, int width, int x, int y);
enum class TitleButton { None, Close, Maximise, Minimise };
// What the n-th title button from the right does.
TitleButton titleButtonRole(const WindowData* window, int index);

// The gesture a press on a window has started, until the next release.
struct WindowGesture {
    int titleButtonPressed = 0;  // 1 to 3 counted from the right
    int titleButtonDown = 0;     // the pressed button looks pressed
    int movingWindow = 0;
    int resizeZone = 0;
};
const WindowGesture& windowGesture();

void maximiseWindow(Control* control);
void restoreWindow(Control* control);

// The shared window operations.
int windowMouseButton(Control* control, int button, int state, int x, int y);
int windowDrag(Control* control, int x, int y, int dx, int dy);
int windowHover(Control* control, int x, int y, int dx, int dy);
// Keys go to the children below the title bar.
int windowKey(Control* control, int character, int x, int y);
int windowSpecialKey(Control* control, int key, int x, int y);
void windowSetStyle(Control* control, uint32_t style);
void windowDraw(Control* control);

// The table every window type shares, for its type number and the functions
// that make and free its record; the file dialog and the script editor add
// their layout, minimum size and value.
constexpr ControlClass windowOperations(int typeId, void (*create)(Control*),
                                        void (*destroy)(Control*)) {
    return {
        .typeId = typeId,
        .isContainer = 1,
        .create = create,
        .destroy = destroy,
        .onKey = windowKey,
        .onSpecialKey = windowSpecialKey,
        .onDrag = windowDrag,
        .onHover = windowHover,
        .onMouseButton = windowMouseButton,
        .draw = windowDraw,
        .setStyle = windowSetStyle,
    };
}

// The plain window's class.
extern const ControlClass windowClass;

} // namespace ui
