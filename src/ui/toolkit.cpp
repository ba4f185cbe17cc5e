#include "ui/toolkit.h"

#include <GL/glut.h>

#include <cstdio>

#include "ui/callback.h"
#include "ui/control.h"
#include "ui/control_draw.h"
#include "ui/dispatch.h"
#include "ui/draw.h"
#include "ui/fonts.h"
#include "ui/icons.h"

namespace {

IdleHook idleHook = nullptr;
KeyboardHook keyboardHook = nullptr;
SpecialHook specialHook = nullptr;
ReshapeHook reshapeHook = nullptr;
MouseHook mouseHook = nullptr;
MotionHook dragHook = nullptr;
MotionHook passiveMotionHook = nullptr;

} // namespace

void setIdleHook(IdleHook hook) {
    idleHook = hook;
    ui::setRedrawEveryFrame(hook != nullptr);
}
void setKeyboardHook(KeyboardHook hook) { keyboardHook = hook; }
void setReshapeHook(ReshapeHook hook) { reshapeHook = hook; }
void setMouseHook(MouseHook hook) { mouseHook = hook; }
void setDragHook(MotionHook hook) { dragHook = hook; }
void setPassiveMotionHook(MotionHook hook) { passiveMotionHook = hook; }
void setSpecialHook(SpecialHook hook) { specialHook = hook; }

void toolkitReshape(int width, int height) {
    ui::setScreenSize(width, height);
    if (reshapeHook) reshapeHook(width, height);
}

void toolkitMouse(int button, int state, int x, int y) {
    if (ui::toolkitVisible() && ui::dispatchButton(button, state, x, y)) return;
    if (mouseHook) mouseHook(button, state, x, y);
}

void toolkitMotion(int x, int y) {
    if (ui::toolkitVisible() && ui::dispatchDrag(x, y)) return;
    if (dragHook) dragHook(x, y);
}

void toolkitPassiveMotion(int x, int y) {
    if (ui::toolkitVisible() && ui::dispatchHover(x, y)) return;
    if (passiveMotionHook) passiveMotionHook(x, y);
}

void toolkitKeyboard(unsigned char key, int x, int y) {
    if (ui::toolkitVisible() && ui::dispatchKey(key, x, y)) return;
    if (keyboardHook) keyboardHook(key, x, y);
}

void toolkitSpecialKey(int key, int x, int y, int modifiers) {
    if (modifiers == GLUT_ACTIVE_ALT && key == GLUT_KEY_F12) ui::toggleToolkitVisible();
    if (ui::toolkitVisible() && ui::dispatchSpecialKey(key, x, y)) return;
    if (specialHook) specialHook(key, x, y);
}

void toolkitSpecial(int key, int x, int y) { toolkitSpecialKey(key, x, y, glutGetModifiers()); }

void toolkitIdle() {
    if (idleHook) idleHook();
}

void initToolkit() {
    ui::createIconTextures();
    ui::loadFonts();
    glutReshapeFunc(toolkitReshape);
    glutMouseFunc(toolkitMouse);
    glutMotionFunc(toolkitMotion);
    glutPassiveMotionFunc(toolkitPassiveMotion);
    glutKeyboardFunc(toolkitKeyboard);
    glutSpecialFunc(toolkitSpecial);
    glutIdleFunc(toolkitIdle);
    fflush(stdout);
    if (!freopen("./stdout.log", "w", stdout))
        fprintf(stderr, "[ERROR] Unable to open ./stdout.log for output\n");
}

void drawToolkit() {
    if (ui::toolkitVisible()) ui::drawControls();
}

void destroyAll() {
    ui::destroyAllControls();
    ui::releaseFonts();
}
