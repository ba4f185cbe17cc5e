// The automation runner: start-up, one script, a number of frames, a screenshot.
#pragma once

#include <optional>
#include <string>


struct RunnerOptions {
    int frames = 1;
    float frameTime = 0.0f; // 0: measure real time
    std::string screenshotPath;
    std::string scriptPath;
    // End with status 1 when any script error was reported during the run.
    bool strict = false;
};

// Parses [--frames N] [--dt SECONDS] [--screenshot FILE.png] [--strict]
// SCRIPT.lua; prints the usage on standard error and gives nothing when they
// are wrong.
std::optional<RunnerOptions> ParseRunnerArguments(int argc, char** argv);


// Never returns: ends the process through the at-exit handler, with status 0
// (or 1 in a strict run that reported script errors).
[[noreturn]] void RunAutomation(const RunnerOptions& options, int* argc, char** argv);
