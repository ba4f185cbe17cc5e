// An OpenGL context for in-process tests: one hidden-from-nobody GLUT window,
// created on first use (tests run under xvfb-run).
#pragma once

#include <cstdint>
#include <vector>

void EnsureGlWindow(int width = 256, int height = 256);
// RGBA rows of the back buffer, bottom row first.
std::vector<uint8_t> ReadGlPixels(int x, int y, int width, int height);
