// scriptdesk-run: runs the system on a script for a number of frames.
#include "app/runner.h"

int main(int argc, char** argv) {
    auto options = ParseRunnerArguments(argc, argv);
    if (!options) return 2;
    int glutArgc = 1;
    RunAutomation(*options, &glutArgc, argv);
}
