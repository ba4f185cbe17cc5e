// The widget toolkit as the shell sees it: the shell's hooks, the GLUT
// callbacks that offer each event to the controls first, and the draw pass.
#pragma once

using IdleHook = void (*)();
using KeyboardHook = void (*)(unsigned char key, int x, int y);
using SpecialHook = void (*)(int key, int x, int y);
using ReshapeHook = void (*)(int width, int height);
using MouseHook = void (*)(int button, int state, int x, int y);
using MotionHook = void (*)(int x, int y);

void setIdleHook(IdleHook hook);
void setKeyboardHook(KeyboardHook hook);
void setReshapeHook(ReshapeHook hook);
void setMouseHook(MouseHook hook);
void setDragHook(MotionHook hook);
void setPassiveMotionHook(MotionHook hook);
void setSpecialHook(SpecialHook hook);

// Toolkit start-up: creates the icon textures, loads the fonts, installs the GLUT callbacks below and
// sends standard output to "./stdout.log". Needs the GLUT window.
void initToolkit();
// Draws every visible control with the toolkit's own pixel projection.
void drawToolkit();
// Shutdown: destroys every top-level control, then releases the fonts.
void destroyAll();

// The GLUT callbacks. Events the controls do not take (all of them while the
// toolkit is hidden) go on to the shell's hooks.
void toolkitReshape(int width, int height);
void toolkitMouse(int button, int state, int x, int y);
void toolkitMotion(int x, int y);
void toolkitPassiveMotion(int x, int y);
void toolkitKeyboard(unsigned char key, int x, int y);
void toolkitSpecial(int key, int x, int y);
void toolkitIdle();
// toolkitSpecial with the modifier keys (GLUT_ACTIVE_*) given rather than
// asked of GLUT: Alt alone with F12 hides or shows the whole toolkit.
void toolkitSpecialKey(int key, int x, int y, int modifiers);
