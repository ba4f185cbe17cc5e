#include "ui/toolkit.h"

#include <GL/glut.h>

#include <cstdio>

namespace {

IdleHook idleHook = nullptr;
KeyboardHook keyboardHook = nullptr;
SpecialHook specialHook = nullptr;
ReshapeHook reshapeHook = nullptr;
MouseHook mouseHook = nullptr;
MotionHook dragHook = nullptr;
MotionHook passiveMotionHook = nullptr;

} // namespace

void setIdleHook(IdleHook hook) { idleHook = hook; }
void setKeyboardHook(KeyboardHook hook) { keyboardHook = hook; }
void setReshapeHook(ReshapeHook hook) { reshapeHook = hook; }
void setMouseHook(MouseHook hook) { mouseHook = hook; }
void setDragHook(MotionHook hook) { dragHook = hook; }
void setPassiveMotionHook(MotionHook hook) { passiveMotionHook = hook; }
void setSpecialHook(SpecialHook hook) { specialHook = hook; }

void toolkitReshape(int width, int height) {
    if (reshapeHook) reshapeHook(width, height);
}
void toolkitMouse(int button, int state, int x, int y) {
    if (mouseHook) mouseHook(button, state, x, y);
}
void toolkitMotion(int x, int y) {
    if (dragHook) dragHook(x, y);
}
void toolkitPassiveMotion(int x, int y) {
    if (passiveMotionHook) passiveMotionHook(x, y);
}
void toolkitKeyboard(unsigned char key, int x, int y) {
    if (keyboardHook) keyboardHook(key, x, y);
}
void toolkitSpecial(int key, int x, int y) {
    if (specialHook) specialHook(key, x, y);
}
void toolkitIdle() {
    if (idleHook) idleHook();
}

void initToolkit(lua_State*) {
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

void drawToolkit() {}
void destroyAll() {}
