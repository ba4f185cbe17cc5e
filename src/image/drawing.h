// The 2D drawing functions and the idle scripts run over every frame.
//
// Shapes are drawn in whatever projection is current; inside idle scripts the
// shell has set x from -10 to 10 and y from 0 to 16, with blending that treats
// alpha as transparency.
#pragma once

#include <cstdint>

// Runs the enabled idle scripts in the order they were added; an entry that fails is
// reported (to the script's _ALERT, else standard error) and runs again next frame.
void RunIdleScripts();

namespace Drawing2D {

// Sets the clear and current colours from the drawing state and builds the
// unit shapes; needs the GL context.
void Initialise();

// Non-positive sizes are ignored.
void SetPointSize(int32_t size);
void SetLineWidth(int32_t width);

// These send the new colour to GL at once (foreground as the current colour,
// background as the clear colour); the background's alpha never changes.
void SetForeground(float r, float g, float b);
void SetTransparent(float a);
void SetBackground(float r, float g, float b);

void DrawPoint(float x, float y);
void DrawLine(float x1, float y1, float x2, float y2);
// The rectangle spans (x, y) to (x + w, y + h); negative sizes mirror it.
void DrawFilledRectangle(float x, float y, float w, float h);
void DrawWireRectangle(float x, float y, float w, float h);
void DrawFilledCircle(float x, float y, float radius);
void DrawWireCircle(float x, float y, float radius);

} // namespace Drawing2D
