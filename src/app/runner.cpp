#include "app/runner.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/screenshot.h"
#include "app/shell.h"
#include "app/timer.h"
#include "script/script_calls.h"
#include "script/script_host.h"
#include "ui/toolkit.h"

namespace {

void PrintUsage() {
    fprintf(stderr,
            "usage: scriptdesk-run [--frames N] [--dt SECONDS] [--screenshot FILE.png] SCRIPT.lua\n");
}

bool ParseNumber(const char* text, double* value) {
    char* end = nullptr;
    *value = strtod(text, &end);
    return end != text && *end == '\0';
}

// Let the window system map the surface and report its size once.
void WaitForSurface() {
    int width = glutGet(GLUT_WINDOW_WIDTH);
    int height = glutGet(GLUT_WINDOW_HEIGHT);
    for (int i = 0; i < 200; ++i) {
        glutMainLoopEvent();
        if (ShellWindowWidth() == width && ShellWindowHeight() == height) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    toolkitReshape(width, height);
}

} // namespace

std::optional<RunnerOptions> ParseRunnerArguments(int argc, char** argv) {
    RunnerOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        bool hasValue = i + 1 < argc;
        double number = 0;
        if (!strcmp(arg, "--frames") && hasValue && ParseNumber(argv[i + 1], &number) &&
            number >= 0 && number <= 1e9) {
            options.frames = static_cast<int>(number);
            ++i;
        } else if (!strcmp(arg, "--dt") && hasValue && ParseNumber(argv[i + 1], &number) &&
                   number > 0) {
            options.frameTime = static_cast<float>(number);
            ++i;
        } else if (!strcmp(arg, "--screenshot") && hasValue) {
            options.screenshotPath = argv[++i];
        } else if (arg[0] != '-' && options.scriptPath.empty()) {
            options.scriptPath = arg;
        } else {
            PrintUsage();
            return std::nullopt;
        }
    }
    if (options.scriptPath.empty()) {
        PrintUsage();
        return std::nullopt;
    }
    return options;
}

void RunAutomation(const RunnerOptions& options, int* argc, char** argv,
                   ExtraRegistration extra) {
    StartSystem(argc, argv);
    WaitForSurface();
    if (extra) extra(ScriptState());
    FrameTimer().SetFixedFrameTime(options.frameTime);
    RunScriptFile(options.scriptPath.c_str());

    // Each frame is one idle pass and one display pass, as in the main loop;
    // the last frame is read back before its buffers are swapped.
    for (int frame = 0; frame < options.frames; ++frame) {
        toolkitIdle();
        DrawFrame();
        if (frame + 1 == options.frames && !options.screenshotPath.empty()) {
            int width = ShellWindowWidth();
            int height = ShellWindowHeight();
            WriteScreenshotPng(options.screenshotPath, width, height, ReadBackBuffer(width, height));
        }
        glutSwapBuffers();
    }
    exit(0);
}
