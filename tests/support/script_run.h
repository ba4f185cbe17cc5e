// Runs scriptdesk-run on a script in a fresh working folder and collects what
// it left behind: exit status, stdout.log, standard error and the screenshot.
#pragma once

#include <string>
#include <vector>

#include "support/png_image.h"

struct ScriptRunOptions {
    int frames = 1;
    double frameTime = 0.0; // 0: real time
    bool screenshot = false;
    // Link the shipped runtime folders (startmenu, syntax) into the working folder.
    bool withRuntime = true;
    // Extra files to place in the working folder before the run: {name, bytes}.
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> environment; // NAME=VALUE entries added to the run
    std::vector<std::string> arguments;   // runner options put before the script
    // Another runner built on the same library, with test entry points of its own.
    std::string runnerPath = SCRIPTDESK_RUN_PATH;
};

struct ScriptRunResult {
    int exitStatus = -1;
    std::string stdoutLog;   // ./stdout.log of the run
    std::string console;     // standard output before the redirection
    std::string errors;      // standard error
    std::string workDir;
    PngImage screenshot;     // empty unless asked for
};

ScriptRunResult RunScript(const std::string& script, const ScriptRunOptions& options = {});

// The text of `log` from the first `first` up to and including the next
// `last` (to the end when `last` is empty); a note naming what was missing
// otherwise, so that a failed comparison shows the whole log.
std::string Between(const std::string& log, const std::string& first, const std::string& last);

// A new empty folder under the build's test-work folder, unique per call.
std::string MakeWorkDir();
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// Runs a shell command in a folder; returns its exit status.
int RunCommand(const std::string& command, const std::string& workDir);
