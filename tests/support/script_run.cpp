#include "support/script_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string MakeWorkDir() {
    static std::atomic<int> counter{0};
    fs::path dir = fs::path(SCRIPTDESK_TEST_WORK_DIR) /
                   ("run-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    // Replace a link to a shipped runtime file instead of writing through it.
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

namespace {

// Real folders holding links to each shipped file, so that a test writing into
// them never changes the repository's runtime folder.
void LinkRuntimeFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    if (!fs::is_directory(from)) return;
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        fs::path target = to / entry.path().filename();
        if (entry.is_directory())
            LinkRuntimeFolder(entry.path(), target);
        else
            fs::create_symlink(entry.path(), target);
    }
}

} // namespace

int RunCommand(const std::string& command, const std::string& workDir) {
    std::string line = "cd '" + workDir + "' && " + command;
    int status = system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Between(const std::string& log, const std::string& first, const std::string& last) {
    const size_t from = log.find(first);
    if (from == std::string::npos) return "<no " + first + "> " + log;
    if (last.empty()) return log.substr(from);
    const size_t to = log.find(last, from);
    if (to == std::string::npos) return "<no " + last + "> " + log;
    return log.substr(from, to + last.size() - from);
}

ScriptRunResult RunScript(const std::string& script, const ScriptRunOptions& options) {
    ScriptRunResult result;
    result.workDir = MakeWorkDir();
    fs::path dir = result.workDir;
    if (options.withRuntime) {
        for (const char* name : {"startmenu", "syntax"})
            LinkRuntimeFolder(fs::path(SCRIPTDESK_RUNTIME_DIR) / name, dir / name);
    }
    for (const auto& [name, bytes] : options.files) WriteFile((dir / name).string(), bytes);
    WriteFile((dir / "script.lua").string(), script);

    std::ostringstream command;
    for (const std::string& entry : options.environment) command << entry << ' ';
    command << "'" << options.runnerPath << "' --frames " << options.frames;
    if (options.frameTime > 0) command << " --dt " << options.frameTime;
    if (options.screenshot) command << " --screenshot shot.png";
    for (const std::string& argument : options.arguments) command << ' ' << argument;
    command << " script.lua >console.txt 2>errors.txt";
    result.exitStatus = RunCommand(command.str(), result.workDir);

    result.stdoutLog = ReadFile((dir / "stdout.log").string());
    result.console = ReadFile((dir / "console.txt").string());
    result.errors = ReadFile((dir / "errors.txt").string());
    if (options.screenshot) result.screenshot = ReadPng((dir / "shot.png").string());
    return result;
}
