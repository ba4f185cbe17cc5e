#include "platform/glut_backend.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "platform/gl_context.h"

namespace platform {

static_assert(kShiftModifier == GLUT_ACTIVE_SHIFT && kCtrlModifier == GLUT_ACTIVE_CTRL &&
              kAltModifier == GLUT_ACTIVE_ALT);

namespace {

EventFilter filter;
EventHandlers handlers;
int deliveredModifiers = 0;

// Offers the event to the filter; true when it took it.
bool Filtered(const InputEvent& e) {
    switch (e.kind) {
    case InputKind::MouseButton:
        return filter.mouse && filter.mouse(e.code, e.state, e.x, e.y);
    case InputKind::Motion:
        return filter.motion && filter.motion(e.x, e.y);
    case InputKind::PassiveMotion:
        return filter.passiveMotion && filter.passiveMotion(e.x, e.y);
    case InputKind::Key:
        return filter.keyboard && filter.keyboard(static_cast<unsigned char>(e.code), e.x, e.y);
    case InputKind::SpecialKey:
        return filter.special && filter.special(e.code, e.x, e.y);
    }
    return false;
}

void Handle(const InputEvent& e) {
    switch (e.kind) {
    case InputKind::MouseButton:
        if (handlers.mouse) handlers.mouse(e.code, e.state, e.x, e.y);
        break;
    case InputKind::Motion:
        if (handlers.motion) handlers.motion(e.x, e.y);
        break;
    case InputKind::PassiveMotion:
        if (handlers.passiveMotion) handlers.passiveMotion(e.x, e.y);
        break;
    case InputKind::Key:
        if (handlers.keyboard) handlers.keyboard(static_cast<unsigned char>(e.code), e.x, e.y);
        break;
    case InputKind::SpecialKey:
        if (handlers.special) handlers.special(e.code, e.x, e.y);
        break;
    }
}

// ---- GLUT callbacks: translation only ---------------------------------------

void OnDisplay() {
    RunDisplayPass();
}
void OnIdle() {
    RunIdlePass();
}
void OnReshape(int width, int height) {
    DeliverReshape(width, height);
}

void OnMouse(int button, int state, int x, int y) {
    DeliverInput({InputKind::MouseButton, button, state, x, y, glutGetModifiers()});
}

void OnMotion(int x, int y) {
    DeliverInput({InputKind::Motion, 0, 0, x, y, 0});
}
void OnPassiveMotion(int x, int y) {
    DeliverInput({InputKind::PassiveMotion, 0, 0, x, y, 0});
}

void OnKeyboard(unsigned char key, int x, int y) {
    DeliverInput({InputKind::Key, key, 0, x, y, glutGetModifiers()});
}

void OnSpecial(int key, int x, int y) {
    DeliverInput({InputKind::SpecialKey, key, 0, x, y, glutGetModifiers()});
}

void InstallCallbacks() {
    glutDisplayFunc(OnDisplay);
    glutReshapeFunc(OnReshape);
    glutMouseFunc(OnMouse);
    glutMotionFunc(OnMotion);
    glutPassiveMotionFunc(OnPassiveMotion);
    glutKeyboardFunc(OnKeyboard);
    glutSpecialFunc(OnSpecial);
    glutIdleFunc(OnIdle);
}

bool HasWindow() {
    return glutGetWindow() != 0;
}

void* GlutFont(BitmapFont font) {
    switch (font) {
    case BitmapFont::Fixed8x13:
        return GLUT_BITMAP_8_BY_13;
    case BitmapFont::Fixed9x15:
        return GLUT_BITMAP_9_BY_15;
    case BitmapFont::Helvetica10:
        return GLUT_BITMAP_HELVETICA_10;
    case BitmapFont::Helvetica12:
        return GLUT_BITMAP_HELVETICA_12;
    case BitmapFont::Helvetica18:
        return GLUT_BITMAP_HELVETICA_18;
    case BitmapFont::TimesRoman24:
        break;
    }
    return GLUT_BITMAP_TIMES_ROMAN_24;
}

int GlutCursor(CursorShape shape) {
    switch (shape) {
    case CursorShape::LeftSide:
        return GLUT_CURSOR_LEFT_SIDE;
    case CursorShape::Spray:
        return GLUT_CURSOR_SPRAY;
    case CursorShape::UpDown:
        return GLUT_CURSOR_UP_DOWN;
    case CursorShape::TopLeftCorner:
        return GLUT_CURSOR_TOP_LEFT_CORNER;
    case CursorShape::TopRightCorner:
        return GLUT_CURSOR_TOP_RIGHT_CORNER;
    case CursorShape::BottomLeftCorner:
        return GLUT_CURSOR_BOTTOM_LEFT_CORNER;
    case CursorShape::BottomRightCorner:
        return GLUT_CURSOR_BOTTOM_RIGHT_CORNER;
    case CursorShape::Text:
        return GLUT_CURSOR_TEXT;
    case CursorShape::Inherit:
        break;
    }
    return GLUT_CURSOR_INHERIT;
}

} // namespace

// ---- Events ---------------------------------------------------------------

void RouteEvents(const EventFilter& newFilter, const EventHandlers& newHandlers) {
    filter = newFilter;
    handlers = newHandlers;
}

void DeliverInput(const InputEvent& event) {
    deliveredModifiers = event.modifiers;
    if (!Filtered(event)) Handle(event);
    deliveredModifiers = 0;
}

void DeliverReshape(int width, int height) {
    if (filter.reshape) filter.reshape(width, height);
    if (handlers.reshape) handlers.reshape(width, height);
}

void RunIdlePass() {
    if (filter.idle) filter.idle();
    if (handlers.idle) handlers.idle();
}

void RunDisplayPass(const std::function<void()>& beforeSwap) {
    if (handlers.display) handlers.display();
    if (beforeSwap) beforeSwap();
    glutSwapBuffers();
}

bool IsSpecialKeyCode(int code) {
    return (code >= GLUT_KEY_F1 && code <= GLUT_KEY_F12) ||
           (code >= GLUT_KEY_LEFT && code <= GLUT_KEY_SUPER_R);
}

int HeldModifiers() {
    return deliveredModifiers;
}

// ---- Surface --------------------------------------------------------------

void OpenSurface(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutEnterGameMode();
    if (!glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
        glutInitWindowPosition(0, 0);
        glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
        glutCreateWindow("scriptdesk");
        glutFullScreen();
    }
    KeepGlDriverLoaded();
    InstallCallbacks();
}

void RunMainLoop() {
    glutMainLoop();
    // freeglut returns when its window is closed; GLUT never does.
    exit(0);
}

void ProcessWindowEvents() {
    glutMainLoopEvent();
}
int SurfaceWidth() {
    return glutGet(GLUT_WINDOW_WIDTH);
}
int SurfaceHeight() {
    return glutGet(GLUT_WINDOW_HEIGHT);
}

void PostRedisplay() {
    if (HasWindow()) glutPostRedisplay();
}

// ---- Cursors and fonts ----------------------------------------------------

void SetCursorShape(CursorShape shape) {
    if (HasWindow()) glutSetCursor(GlutCursor(shape));
}

void DrawBitmapCharacter(BitmapFont font, int c) {
    glutBitmapCharacter(GlutFont(font), c);
}

int BitmapCharacterWidth(BitmapFont font, int c) {
    return glutBitmapWidth(GlutFont(font), c);
}

int BitmapTextWidth(BitmapFont font, const char* text) {
    return glutBitmapLength(GlutFont(font), reinterpret_cast<const unsigned char*>(text));
}

} // namespace platform
