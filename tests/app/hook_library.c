/* A start-up hook library for the tests: its export leaves a mark on disk. */
#include <stdio.h>

void cunt(void) {
    FILE* mark = fopen("hook-called.txt", "a");
    if (mark) {
        fputs("called\n", mark);
        fclose(mark);
    }
}
