// The window-system back end: GLUT. It opens the surface, owns every GLUT
// callback and translates it into calls on two receivers: each input event
// goes to the first receiver (the toolkit) and, when that one does not take
// it, on to the second (the shell). It also answers the modifier keys of the
// event being delivered, and offers cursors, redisplay, buffer swaps and
// GLUT's bitmap fonts. Nothing outside this layer includes GLUT.
#pragma once

#include <functional>

namespace platform {

// ---- Events ---------------------------------------------------------------

// Modifier bits, as HeldModifiers answers them.
constexpr int kShiftModifier = 1;
constexpr int kCtrlModifier = 2;
constexpr int kAltModifier = 4;

enum class InputKind { MouseButton, Motion, PassiveMotion, Key, SpecialKey };

// One input event as GLUT reports it: window pixels with (0, 0) at the
// top-left. `code` is the button (0 left, 1 middle, 2 right), the character
// or the special-key code; `state` is 0 for a press and 1 for a release.
struct InputEvent {
    InputKind kind = InputKind::PassiveMotion;
    int code = 0;
    int state = 0;
    int x = 0;
    int y = 0;
    int modifiers = 0;
};

// The first receiver: each input handler returns true when it took the event.
struct EventFilter {
    void (*reshape)(int width, int height) = nullptr;
    void (*idle)() = nullptr;
    bool (*mouse)(int button, int state, int x, int y) = nullptr;
    bool (*motion)(int x, int y) = nullptr; // a button held
    bool (*passiveMotion)(int x, int y) = nullptr;
    bool (*keyboard)(unsigned char key, int x, int y) = nullptr;
    bool (*special)(int key, int x, int y) = nullptr;
};

// The second receiver: draws the frames, follows the first on reshape and
// idle, and gets the input the first did not take. Empty entries are skipped.
struct EventHandlers {
    void (*display)() = nullptr; // the buffers are swapped after it
    void (*reshape)(int width, int height) = nullptr;
    void (*idle)() = nullptr;
    void (*mouse)(int button, int state, int x, int y) = nullptr;
    void (*motion)(int x, int y) = nullptr;
    void (*passiveMotion)(int x, int y) = nullptr;
    void (*keyboard)(unsigned char key, int x, int y) = nullptr;
    void (*special)(int key, int x, int y) = nullptr;
};

// Where the events of the surface go from now on.
void RouteEvents(const EventFilter& filter, const EventHandlers& handlers);

// The paths every GLUT callback takes; automation and tests deliver through
// them too. During DeliverInput, HeldModifiers answers event.modifiers.
void DeliverInput(const InputEvent& event);
void DeliverReshape(int width, int height);
// The filter's idle work, then the handlers'.
void RunIdlePass();
// The handlers' display, then `beforeSwap` (when given), then the swap.
void RunDisplayPass(const std::function<void()>& beforeSwap = {});

// Whether GLUT reports special keys with this code: F1 to F12, the arrows,
// paging, Home, End, Insert and the keys freeglut adds after them.
bool IsSpecialKeyCode(int code);

// The modifier keys held for the event being delivered (0 outside one). GLUT
// reports them for button and key events only: motion comes with none.
int HeldModifiers();

// ---- Surface --------------------------------------------------------------

// Initialises GLUT with the command line and opens a double-buffered RGB
// surface with depth: game mode in the screen's current mode, or where that
// cannot be entered (a virtual X server, for one) a full-screen window of the
// screen's size. Every callback is installed on it.
void OpenSurface(int* argc, char** argv);
// Runs the main loop; it never returns.
[[noreturn]] void RunMainLoop();
// Handles what the window system has reported so far, once.
void ProcessWindowEvents();
int SurfaceWidth();
int SurfaceHeight();
// Asks for one more display pass (no effect without a window).
void PostRedisplay();

// ---- Cursors --------------------------------------------------------------

enum class CursorShape {
    LeftSide,
    Spray,
    UpDown,
    TopLeftCorner,
    TopRightCorner,
    BottomLeftCorner,
    BottomRightCorner,
    Inherit,
    Text,
};
// No effect without a window.
void SetCursorShape(CursorShape shape);

// ---- Bitmap fonts ---------------------------------------------------------

enum class BitmapFont { Fixed8x13, Fixed9x15, Helvetica10, Helvetica12, Helvetica18, TimesRoman24 };

// Draws at the current raster position and advances it.
void DrawBitmapCharacter(BitmapFont font, int c);
int BitmapCharacterWidth(BitmapFont font, int c);
int BitmapTextWidth(BitmapFont font, const char* text);

} // namespace platform
