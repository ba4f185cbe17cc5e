// The application shell: start-up, the frame passes, the camera and shutdown.
#pragma once

// Steps 1 to 15 of start-up: everything up to entering the main loop.
void StartSystem(int* argc, char** argv);

// The display pass: everything back to front; the back end swaps the buffers.
void DrawFrame();

// The shell's event handlers: the back end offers input to the toolkit first
// and hands on what it leaves; reshape and idle follow the toolkit's own.
void IdleFrame();
void ReshapeView(int width, int height);
void KeyPressed(unsigned char key, int x, int y);
void MouseButton(int button, int state, int x, int y);
void MouseMotion(int x, int y);

// Registered with the at-exit list as the last step of start-up.
void ShutdownAll();

// Releases the background picture and acquires the one at path (none when
// it cannot be loaded).
void SetBackgroundPicture(const char* path);

int ShellWindowWidth();
int ShellWindowHeight();
