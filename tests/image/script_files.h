// What the script-driven tests share: their Lua scripts and the output expected of them,
// kept side by side in tests/image/scripts, and a quick start for the runner.
#pragma once

#include <string>

#include "picture_bytes.h"
#include "support/script_run.h"

inline std::string ScriptFile(const std::string& name) {
    return ReadFile(std::string(IMAGE_TEST_SCRIPTS) + "/" + name);
}

inline std::string Text(const picture_bytes::Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// Runs with the shipped folders but a start-up picture of one black pixel, as the shipped
// one takes most of a run's time to load; files adds more.
inline ScriptRunOptions QuickStart(std::vector<std::pair<std::string, std::string>> files = {}) {
    ScriptRunOptions options;
    options.files = std::move(files);
    options.files.push_back({"startmenu/bliss.bmp", Text(picture_bytes::Bmp(1, 1, 24, {0, 0, 0}))});
    return options;
}
