#include "image/drawing.h"

#include <GL/gl.h>

#include <cmath>

namespace Drawing2D {
namespace {

constexpr int kCircleSegments = 30;

enum UnitShape { kFilledSquare, kWireSquare, kWireCircle, kFilledCircle, kShapeCount };

struct Colour {
    float r = 0, g = 0, b = 0, a = 0;
};

int32_t pointSize = 1;
int32_t lineWidth = 1;
Colour foreground;
Colour background;
GLuint unitShapes = 0; // first of kShapeCount consecutive display lists

void SendForeground() {
    glColor4fv(&foreground.r);
}

void SquareVertices() {
    glVertex2f(1, 1);
    glVertex2f(0, 1);
    glVertex2f(0, 0);
    glVertex2f(1, 0);
}

// The filled circle repeats its first vertex to close the polygon.
void CircleVertices(int count) {
    const double step = 2.0 * M_PI / kCircleSegments;
    for (int i = 0; i < count; ++i)
        glVertex2f(static_cast<float>(std::cos(i * step)), static_cast<float>(std::sin(i * step)));
}

void BuildShape(UnitShape shape, GLenum primitive, void (*vertices)()) {
    glNewList(unitShapes + shape, GL_COMPILE);
    glBegin(primitive);
    vertices();
    glEnd();
    glEndList();
}

// One display-list call under a translate and scale: shapes are never tessellated per call.
void DrawUnitShape(UnitShape shape, float x, float y, float scaleX, float scaleY) {
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(scaleX, scaleY, 1);
    glCallList(unitShapes + shape);
    glPopMatrix();
}

} // namespace

void Initialise() {
    glClearColor(background.r, background.g, background.b, background.a);
    SendForeground();
    if (unitShapes == 0) unitShapes = glGenLists(kShapeCount);
    BuildShape(kFilledSquare, GL_QUADS, SquareVertices);
    BuildShape(kWireSquare, GL_LINE_LOOP, SquareVertices);
    BuildShape(kWireCircle, GL_LINE_LOOP, [] { CircleVertices(kCircleSegments); });
    BuildShape(kFilledCircle, GL_POLYGON, [] { CircleVertices(kCircleSegments + 1); });
}

void SetPointSize(int32_t size) {
    if (size > 0) pointSize = size;
}

void SetLineWidth(int32_t width) {
    if (width > 0) lineWidth = width;
}

void SetForeground(float r, float g, float b) {
    foreground.r = r;
    foreground.g = g;
    foreground.b = b;
    SendForeground();
}

void SetTransparent(float a) {
    foreground.a = a;
    SendForeground();
}

void SetBackground(float r, float g, float b) {
    background.r = r;
    background.g = g;
    background.b = b;
    glClearColor(r, g, b, background.a);
}

void DrawPoint(float x, float y) {
    glPointSize(static_cast<float>(pointSize));
    glBegin(GL_POINTS);
    glVertex2f(x, y);
    glEnd();
}

void DrawLine(float x1, float y1, float x2, float y2) {
    glLineWidth(static_cast<float>(lineWidth));
    glBegin(GL_LINES);
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
    glEnd();
}

void DrawFilledRectangle(float x, float y, float w, float h) {
    DrawUnitShape(kFilledSquare, x, y, w, h);
}

void DrawWireRectangle(float x, float y, float w, float h) {
    glLineWidth(static_cast<float>(lineWidth));
    DrawUnitShape(kWireSquare, x, y, w, h);
}

void DrawFilledCircle(float x, float y, float radius) {
    DrawUnitShape(kFilledCircle, x, y, radius, radius);
}

void DrawWireCircle(float x, float y, float radius) {
    glLineWidth(static_cast<float>(lineWidth));
    DrawUnitShape(kWireCircle, x, y, radius, radius);
}

} // namespace Drawing2D
