#include "ui/toolkit.h"

#include <cstdio>

#include "ui/clock.h"
#include "ui/control.h"
#include "ui/control_draw.h"
#include "ui/dispatch.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/script_editor.h"
#include "ui/start_menu.h"
#include "ui/syntax_scheme.h"

namespace {

void toolkitReshape(int width, int height) {
    ui::setScreenSize(width, height);
    ui::placeStartMenu();
}

void toolkitIdle() {
    if (!ui::toolkitVisible()) return;
    ui::refreshOutputViews();
    ui::tickClock();
}

bool toolkitMouse(int button, int state, int x, int y) {
    return ui::toolkitVisible() && ui::dispatchButton(button, state, x, y);
}

bool toolkitMotion(int x, int y) {
    return ui::toolkitVisible() && ui::dispatchDrag(x, y);
}

bool toolkitPassiveMotion(int x, int y) {
    return ui::toolkitVisible() && ui::dispatchHover(x, y);
}

bool toolkitKeyboard(unsigned char key, int x, int y) {
    return ui::toolkitVisible() && ui::dispatchKey(key, x, y);
}

bool toolkitSpecial(int key, int x, int y) {
    if (platform::HeldModifiers() == platform::kAltModifier && key == ui::kF12Key)
        ui::toggleToolkitVisible();
    return ui::toolkitVisible() && ui::dispatchSpecialKey(key, x, y);
}

const platform::EventFilter kToolkitEvents{
    .reshape = toolkitReshape,
    // The back end runs the toolkit's idle work before the shell's.
    .idle = toolkitIdle,
    .mouse = toolkitMouse,
    .motion = toolkitMotion,
    .passiveMotion = toolkitPassiveMotion,
    .keyboard = toolkitKeyboard,
    .special = toolkitSpecial,
};

} // namespace

const platform::EventFilter& toolkitEvents() {
    return kToolkitEvents;
}

void initToolkit() {
    ui::createIconTextures();
    ui::loadFonts();
    ui::loadSyntaxSchemes();
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
