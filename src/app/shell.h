// The application shell: start-up, the frame passes, the camera and shutdown.
#pragma once

// Steps 1 to 15 of start-up: everything up to entering the main loop.
void StartSystem(int* argc, char** argv);

// Registered with the toolkit's hooks (and, for DisplayFrame, with GLUT).
void DisplayFrame();
void IdleFrame();
void ReshapeView(int width, int height);
void KeyPressed(unsigned char key, int x, int y);
void MouseButton(int button, int state, int x, int y);
void MouseMotion(int x, int y);
void ShutdownAll();

// DisplayFrame without the buffer swap, so automation can read the pixels.
void DrawFrame();

// Releases the background picture and acquires the one at path (none when
// it cannot be loaded).
void SetBackgroundPicture(const char* path);

int ShellWindowWidth();
int ShellWindowHeight();
