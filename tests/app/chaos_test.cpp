// Every registered function called with hostile arguments and damaged files
// (the sanitizer build runs this too): the run must end normally.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "script/script_host.h"
#include "support/script_run.h"

namespace {

namespace fs = std::filesystem;

const fs::path kRepository = fs::path(SCRIPTDESK_RUNTIME_DIR).parent_path();
const fs::path kChaosDir = kRepository / "tests" / "app" / "chaos";

// A Lua table of every name a bare interpreter with our standard libraries
// has: "print", "string", "string.format" and so on.
std::string StandardNames() {
    lua_State* state = luaL_newstate();
    OpenStandardLibraries(state);
    std::string text = "return {\n";
    lua_pushnil(state);
    while (lua_next(state, LUA_GLOBALSINDEX)) {
        if (lua_type(state, -2) == LUA_TSTRING) {
            std::string name = lua_tostring(state, -2);
            text += "[\"" + name + "\"] = true,\n";
            if (lua_istable(state, -1)) {
                lua_pushnil(state);
                while (lua_next(state, -2)) {
                    if (lua_type(state, -2) == LUA_TSTRING)
                        text += "[\"" + name + "." + lua_tostring(state, -2) + "\"] = true,\n";
                    lua_pop(state, 1);
                }
            }
        }
        lua_pop(state, 1);
    }
    lua_close(state);
    return text + "}\n";
}

// The fuzzers' seeds of every format, whole, cut in half and with every
// seventh byte flipped, named with the extension their readers go by.
std::vector<std::pair<std::string, std::string>> DamagedFiles(std::string* list) {
    std::vector<std::pair<std::string, std::string>> files;
    *list = "return {\n";
    fs::path corpus = kRepository / "fuzz" / "corpus";
    for (const fs::directory_entry& format : fs::directory_iterator(corpus)) {
        for (const fs::directory_entry& seed : fs::directory_iterator(format.path())) {
            std::string name = seed.path().filename().string();
            std::string extension = format.path().filename().string();
            if (size_t cut = name.rfind('_'); extension == "sound" && cut != std::string::npos)
                extension = name.substr(cut + 1);
            std::string whole = ReadFile(seed.path().string());
            std::string mutated = whole;
            for (size_t i = 0; i < mutated.size(); i += 7) mutated[i] ^= 0x5a;
            const std::pair<const char*, std::string> versions[] = {
                {"", whole}, {"_half", whole.substr(0, whole.size() / 2)}, {"_mutated", mutated}};
            for (const auto& [suffix, bytes] : versions) {
                std::string path = "files/" + format.path().filename().string() + "_" + name +
                                   suffix + "." + extension;
                files.push_back({path, bytes});
                *list += "\"" + path + "\",\n";
            }
        }
    }
    *list += "}\n";
    return files;
}

TEST(Chaos, EveryRegisteredFunctionSurvivesHostileArgumentsAndFiles) {
    ScriptRunOptions options;
    options.frames = 5;
    options.frameTime = 0.02;
    std::string list;
    options.files = DamagedFiles(&list);
    options.files.push_back({"standard.lua", StandardNames()});
    options.files.push_back({"files.lua", list});
    // A native file dialog that is always cancelled, so no call waits for a user.
    options.environment = {"PATH=" + (kChaosDir / "bin").string() + ":$PATH", "HOME=$PWD"};
    ScriptRunResult run = RunScript(ReadFile((kChaosDir / "chaos.lua").string()), options);
    EXPECT_EQ(run.exitStatus, 0) << run.errors.substr(0, 4000);
    EXPECT_NE(run.stdoutLog.find(" calls made\n"), std::string::npos);
    EXPECT_NE(run.stdoutLog.find("chaos: frame 5\n"), std::string::npos);
}

} // namespace
