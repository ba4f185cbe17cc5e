// Input routing over the control tree: the toolkit-wide input state, the
// button, drag, hover and key dispatch, conversion to control-local
// coordinates and the forwarding operations shared by container classes.
// Coordinates arrive as GLUT gives them: pixels with y counted from the top.
#pragma once

#include "ui/control.h"

namespace ui {

// Key and button codes as the platform reports them (GLUT's numbers).
constexpr int kF12Key = 12;      // GLUT_KEY_F12
constexpr int kInsertKey = 108;  // GLUT_KEY_INSERT
constexpr int kLeftButton = 0;   // GLUT_LEFT_BUTTON
constexpr int kButtonDown = 0;   // GLUT_DOWN
constexpr int kButtonUp = 1;     // GLUT_UP

// ---- Input state -----------------------------------------------------------

bool toolkitVisible();
void toggleToolkitVisible();
bool overwriteMode();

int screenWidth();
int screenHeight();
// Also gives the root the screen's size.
void setScreenSize(int width, int height);

// The control that takes drag, button and key events first.
Control* capturedControl();
void setCapture(Control* control);
void releaseCapture();
// Ends a control's own capture: false, changing nothing, when another control
// (or none) holds it.
bool releaseCaptureOf(const Control* control);

// The control under the pointer that last claimed hover (its `hovered` is 1).
Control* hoverControl();
// Moves the mark to `control` and asks for a redraw.
void setHover(Control* control);
void clearHover();

// The maximised window, drawn alone at the screen origin.
Control* maximisedControl();
void setMaximisedControl(Control* control);

// Drops every reference the input state holds to a control being destroyed.
void forgetControl(Control* control);

// ---- Dispatch (each returns nonzero when a control took the event) ----------

int dispatchButton(int button, int state, int x, int y);
int dispatchDrag(int x, int y);
int dispatchHover(int x, int y);
int dispatchKey(int character, int x, int y);
int dispatchSpecialKey(int key, int x, int y);

// Screen point to the control's own coordinates and back: each ancestor's
// position and title bar is taken off, up to a maximised window (which sits
// at the screen origin).
void toLocal(const Control* control, int& x, int& y);
void toScreen(const Control* control, int& x, int& y);

// The rectangle a top-level control takes presses in, in its parent's
// coordinates (a minimised window only its title strip, a hidden one none).
bool hitsControl(const Control* control, int x, int y);

// ---- Shared container operations ------------------------------------------

// Offer the event to every child holding the point, in index order, with the
// point relative to the child; 1 as soon as one takes it, else 0.
int forwardMouseButton(Control* container, int button, int state, int x, int y);
int forwardDrag(Control* container, int x, int y, int dx, int dy);
int forwardHover(Control* container, int x, int y, int dx, int dy);
int forwardKey(Control* container, int character, int x, int y);
int forwardSpecialKey(Control* container, int key, int x, int y);

// Tracks the container's own hover (lost on leaving by any side), then
// forwards to the children.
int containerHover(Control* container, int x, int y, int dx, int dy);

} // namespace ui
