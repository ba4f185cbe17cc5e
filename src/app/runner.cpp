#include "app/runner.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/runner_input.h"
#include "app/screenshot.h"
#include "app/script_libraries.h"
#include "app/shell.h"
#include "app/timer.h"
#include "platform/glut_backend.h"
#include "script/script_calls.h"

namespace {

void PrintUsage() {
    fprintf(stderr,
            "usage: scriptdesk-run [--frames N] [--dt SECONDS] [--screenshot FILE.png] [--strict] "
            "SCRIPT.lua\n");
}

bool ParseNumber(const char* text, double* value) {
    char* end = nullptr;
    *value = strtod(text, &end);
    return end != text && *end == '\0';
}

// Let the window system map the surface and report its size once.
void WaitForSurface() {
    int width = platform::SurfaceWidth();
    int height = platform::SurfaceHeight();
    for (int i = 0; i < 200; ++i) {
        platform::ProcessWindowEvents();
        if (ShellWindowWidth() == width && ShellWindowHeight() == height) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    platform::DeliverReshape(width, height);
}

// Runs at exit after the shell's handler, however the run ends (its frames
// done, os.exit or Escape), so a strict run that reported errors fails.
void EndStrictRun() {
    const unsigned long errors = ReportedScriptErrors();
    if (errors == 0) return;
    fprintf(stderr, "scriptdesk-run: %lu script error(s) reported\n", errors);
    fflush(nullptr);
    _exit(1);
}

void SaveScreenshot(const std::string& path) {
    int width = ShellWindowWidth();
    int height = ShellWindowHeight();
    WriteScreenshotPng(path, width, height, ReadBackBuffer(width, height));
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
        } else if (!strcmp(arg, "--strict")) {
            options.strict = true;
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

void RunAutomation(const RunnerOptions& options, int* argc, char** argv) {
    // Registered before the shell's handler, so it runs after it.
    if (options.strict) atexit(EndStrictRun);
    StartSystem(argc, argv);
    WaitForSurface();
    RegisterAutomationLibraries();
    FrameTimer().SetFixedFrameTime(options.frameTime);
    RunScriptFile(options.scriptPath.c_str());

    // Each frame delivers the queued input, then runs one idle pass and one
    // display pass, as the main loop does; the last frame is read back before
    // its buffers are swapped.
    for (int frame = 0; frame < options.frames; ++frame) {
        RunnerInput().Deliver();
        platform::RunIdlePass();
        if (frame + 1 == options.frames && !options.screenshotPath.empty())
            platform::RunDisplayPass([&] { SaveScreenshot(options.screenshotPath); });
        else
            platform::RunDisplayPass();
    }
    exit(0);
}
