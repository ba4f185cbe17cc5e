// scriptdesk: the full-screen scripted desktop. Arguments go to GLUT.
#include "app/shell.h"
#include "platform/glut_backend.h"

int main(int argc, char** argv) {
    StartSystem(&argc, argv);
    platform::RunMainLoop();
}
