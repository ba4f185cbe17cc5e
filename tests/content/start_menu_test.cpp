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
const std::string kMenuChoice = (fs::path(CONTENT_EXERCISE).parent_path() / "menu_choice.lua").string();

// The names a menu level shows: folders first, then ".lua" files without
// their ending, each group in byte order; names beginning with a dot hidden.
std::vector<std::pair<std::string, bool>> Level(const fs::path& folder) {
    std::vector<std::string> folders, files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with(".")) continue;
        if (entry.is_directory()) folders.push_back(name);
        else if (entry.path().extension() == ".lua") files.push_back(entry.path().stem().string());
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    std::vector<std::pair<std::string, bool>> level;
    for (const std::string& name : folders) level.push_back({name, true});
    for (const std::string& name : files) level.push_back({name, false});
    return level;
}

// Every script of the shipped menu, as "Folder/Name" in menu order (the menu
// has one level of folders).
std::vector<std::string> StartMenuScripts() {
    std::vector<std::string> scripts;
    for (const auto& [name, isFolder] : Level(kRuntime / "startmenu")) {
        if (!isFolder) scripts.push_back(name);
        else
            for (const auto& [file, isSubfolder] : Level(kRuntime / "startmenu" / name))
                scripts.push_back(name + "/" + file + (isSubfolder ? "/" : ""));
    }
    return scripts;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
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
              "example = [[startmenu/" + GetParam() + ".lua]]\ndofile([[" CONTENT_EXERCISE "]])\n");

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

// The menu's tree mirrored with scripts that print their own path: every
// entry is reached by clicking Start, its folder and its name, in menu order.
TEST(StartMenuChoice, EveryShippedExampleIsReachedThroughThePointer) {
    ScriptRunOptions options;
    options.withRuntime = false; // only the mirrored menu, not the examples themselves
    std::string menu = "menu = {\n", expected = "--\n";
    std::string folder;
    for (const std::string& script : StartMenuScripts()) {
        options.files.push_back({"startmenu/" + script + ".lua", "print('ran " + script + "')\n"});
        expected += "ran " + script + "\n";
        const size_t slash = script.find('/');
        const std::string entryFolder = slash == std::string::npos ? "" : script.substr(0, slash);
        if (entryFolder != folder && !folder.empty()) menu += "}},\n";
        if (entryFolder.empty()) menu += "\"" + script + "\",\n";
        else if (entryFolder != folder) menu += "{\"" + entryFolder + "\", {";
        if (!entryFolder.empty()) menu += "\"" + script.substr(slash + 1) + "\", ";
        folder = entryFolder;
    }
    if (!folder.empty()) menu += "}},\n";
    options.files.push_back({"menu.lua", menu + "}\nprint('--')\n"});
    options.frames = static_cast<int>(StartMenuScripts().size()) + 2;
    options.arguments = {"--strict"};
    ScriptRunResult run = RunScript(ReadFile(kMenuChoice), options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(Between(run.stdoutLog, "--\n", "==\n"), expected + "==\n");
}

} // namespace
