#include "control_frame.h"

#include <GL/gl.h>

#include <cstdlib>

#include "platform/glut_backend.h"
#include "ui/toolkit.h"

void ControlFrameTest::SetUp() {
    ToolkitTest::SetUp();
    loadDrawingResources();
    platform::DeliverReshape(kSize, kSize);
}

void ControlFrameTest::render() {
    glClearColor(0.25f, 0.25f, 0.25f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    drawToolkit();
    grab();
}

bool sameColour(const Pixel& a, const Pixel& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}
