// scriptdesk: the full-screen scripted desktop. Arguments go to GLUT.
#include <GL/glut.h>

#include "app/shell.h"

int main(int argc, char** argv) {
    StartSystem(&argc, argv);
    glutMainLoop();
    return 0;
}
