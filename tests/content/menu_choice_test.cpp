// The shipped start menu chosen through the pointer: every example is reached
// by clicking Start, its folder and its name, and the file it names runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/script_run.h"

namespace fs = std::filesystem;

namespace {

const fs::path kMenu = fs::path(SCRIPTDESK_RUNTIME_DIR) / "startmenu";

// The names a menu level shows, folders first then ".lua" files without their
// ending, each group in byte order; dot names are hidden.
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

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

TEST(StartMenuChoice, EveryShippedExampleIsReachedThroughThePointer) {
    ScriptRunOptions options;
    options.withRuntime = false; // only the mirrored menu, not the examples themselves
    std::string menu = "menu = {\n", expected = "--\n";
    int choices = 0;
    for (const auto& [name, isFolder] : Level(kMenu)) {
        if (!isFolder) {
            options.files.push_back({"startmenu/" + name + ".lua", "print('ran " + name + "')\n"});
            menu += Quoted(name) + ",\n";
            expected += "ran " + name + "\n";
            ++choices;
            continue;
        }
        menu += "{" + Quoted(name) + ", {";
        for (const auto& [file, isSubfolder] : Level(kMenu / name)) {
            ASSERT_FALSE(isSubfolder) << name << "/" << file;
            std::string path = name + "/" + file;
            options.files.push_back({"startmenu/" + path + ".lua", "print('ran " + path + "')\n"});
            menu += Quoted(file) + ", ";
            expected += "ran " + path + "\n";
            ++choices;
        }
        menu += "}},\n";
    }
    options.files.push_back({"menu.lua", menu + "}\nprint('--')\n"});
    options.frames = choices + 2;
    options.arguments = {"--strict"};
    ScriptRunResult run =
        RunScript(ReadFile((fs::path(CONTENT_EXERCISE).parent_path() / "menu_choice.lua").string()),
                  options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    size_t start = run.stdoutLog.find("--\n");
    ASSERT_NE(start, std::string::npos) << run.stdoutLog;
    EXPECT_EQ(run.stdoutLog.substr(start, run.stdoutLog.find("==\n") - start), expected);
}

} // namespace
