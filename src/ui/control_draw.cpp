#include "ui/control_draw.h"

#include <GL/gl.h>

#include "ui/dispatch.h"

namespace ui {

void drawControlAt(Control* control) {
    glPushMatrix();
    glTranslatef(static_cast<float>(control->x), static_cast<float>(control->y), 0);
    if (control->cls && control->cls->draw) control->cls->draw(control);
    glPopMatrix();
}

void drawChildren(Control* control) {
    for (Control* child : control->children) drawControlAt(child);
}

void drawControls() {
    if (screenWidth() <= 0 || screenHeight() <= 0) return;  // before the first reshape
    glViewport(0, 0, screenWidth(), screenHeight());
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, screenWidth(), screenHeight(), 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Whatever the scene left switched on must not tint or hide the widgets.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);

    if (Control* window = maximisedControl()) {
        if (window->cls->draw) window->cls->draw(window);
    } else {
        const auto& topLevel = rootControl()->children;
        for (auto control = topLevel.rbegin(); control != topLevel.rend(); ++control)
            drawControlAt(*control);
    }

    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace ui
