#include "support/gl_window.h"

#include <GL/freeglut.h>

#include "platform/gl_context.h"

void EnsureGlWindow(int width, int height) {
    static bool created = false;
    if (created) return;
    created = true;
    int argc = 1;
    char name[] = "scriptdesk-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow(name);
    glutDisplayFunc([] {});
    for (int i = 0; i < 10; ++i) glutMainLoopEvent();
    glViewport(0, 0, width, height);
    KeepGlDriverLoaded();
}

std::vector<uint8_t> ReadGlPixels(int x, int y, int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
