// Every example in the start menu, run by scriptdesk-run in a copy of the
// shipped runtime folder: it must load, draw a few frames and survive a press
// on each of its controls without a script error, an "[ERROR]" line in
// stdout.log or a file it cannot read (exercise.lua does the pressing).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/script_run.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRuntime = SCRIPTDESK_RUNTIME_DIR;

// The scripts the start menu lists: ".lua" files under startmenu, skipping
// names that begin with a dot, as paths from the runtime folder.
std::vector<std::string> StartMenuScripts() {
    std::vector<std::string> scripts;
    const fs::path menu = kRuntime / "startmenu";
    for (auto it = fs::recursive_directory_iterator(menu); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(".")) {
            if (it->is_directory()) it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file() && it->path().extension() == ".lua")
            scripts.push_back(fs::relative(it->path(), kRuntime).generic_string());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param.substr(std::string("startmenu/").size());
    name = name.substr(0, name.size() - std::string(".lua").size());
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// Lines of `text` that contain `needle`.
std::string LinesWith(const std::string& text, const std::string& needle, bool ignoreCase) {
    std::istringstream lines(text);
    std::string line, found;
    while (std::getline(lines, line)) {
        std::string compared = line;
        if (ignoreCase)
            std::transform(compared.begin(), compared.end(), compared.begin(), ::tolower);
        if (compared.find(needle) != std::string::npos) found += line + "\n";
    }
    return found;
}

class StartMenuScript : public testing::TestWithParam<std::string> {};

TEST_P(StartMenuScript, RunsAndEveryControlFiresWithoutError) {
    const std::string workDir = MakeWorkDir();
    for (const fs::directory_entry& entry : fs::directory_iterator(kRuntime))
        if (entry.is_directory())
            fs::create_directory_symlink(entry.path(), workDir / entry.path().filename());
    WriteFile(workDir + "/run.lua",
              "example = [[" + GetParam() + "]]\ndofile([[" CONTENT_EXERCISE "]])\n");

    // A sound device that plays nothing, so that the sound examples run their
    // whole course on a machine without a sound card.
    const int status =
        RunCommand("ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 '" SCRIPTDESK_RUN_PATH
                   "' --frames 300 --dt 0.02 --strict run.lua >console.txt 2>errors.txt",
                   workDir);
    const std::string errors = ReadFile(workDir + "/errors.txt");
    const std::string log = ReadFile(workDir + "/stdout.log");
    EXPECT_EQ(status, 0) << errors;
    EXPECT_EQ(LinesWith(errors, "error", true), "");
    EXPECT_EQ(LinesWith(log, "[ERROR]", false), "");
    EXPECT_EQ(LinesWith(log, "Unable to load", false), "");
}

INSTANTIATE_TEST_SUITE_P(Examples, StartMenuScript, testing::ValuesIn(StartMenuScripts()),
                         TestName);

} // namespace
