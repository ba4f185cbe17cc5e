#include "platform/native_dialogs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace platform {

namespace {

constexpr const char* kDialogProgram = "zenity";
// A path is short; a program that writes more is not answering with one.
constexpr size_t kMaxAnswer = 64 * 1024;

// Puts the process back in the directory it was in when constructed.
class WorkingDirectoryGuard {
  public:
    WorkingDirectoryGuard() : directory_(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
    ~WorkingDirectoryGuard() {
        if (directory_ < 0) return;
        if (fchdir(directory_) != 0) perror("[ERROR] Unable to restore the working directory");
        close(directory_);
    }
    WorkingDirectoryGuard(const WorkingDirectoryGuard&) = delete;
    WorkingDirectoryGuard& operator=(const WorkingDirectoryGuard&) = delete;

  private:
    int directory_;
};

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

// The program's path in the first PATH entry that holds it; empty if none.
std::string FindOnPath(const char* program) {
    const char* path = getenv("PATH");
    std::string_view entries = path ? path : "";
    while (true) {
        size_t end = entries.find(':');
        std::string_view folder = entries.substr(0, end);
        std::string candidate = std::string(folder.empty() ? "." : folder) + "/" + program;
        if (IsExecutableFile(candidate)) return candidate;
        if (end == std::string_view::npos) return {};
        entries.remove_prefix(end + 1);
    }
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    while (true) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        if (text.size() < kMaxAnswer) text.append(buffer, static_cast<size_t>(got));
    }
    return text;
}

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return status;
}

// Runs the program with the arguments (no shell between) and gives what it
// wrote on standard output when it exits with status 0.
std::optional<std::string> RunForAnswer(const std::string& program, char* const* arguments) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    pid_t child = 0;
    int error = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (error != 0) {
        close(pipeFds[0]);
        printf("[ERROR] Unable to start the file dialog %s: %s\n", program.c_str(),
               strerror(error));
        return std::nullopt;
    }
    std::string answer = ReadAll(pipeFds[0]);
    close(pipeFds[0]);
    int status = WaitFor(child);
    if (status < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return answer;
}

} // namespace

std::optional<std::string> RunFileDialog(FileDialogKind kind) {
    WorkingDirectoryGuard keepDirectory;
    std::string program = FindOnPath(kDialogProgram);
    if (program.empty()) {
        printf("[ERROR] No native file dialog is available: %s was not found on PATH\n",
               kDialogProgram);
        return std::nullopt;
    }
    char name[] = "zenity", selection[] = "--file-selection", save[] = "--save",
         confirm[] = "--confirm-overwrite", openTitle[] = "--title=Open File",
         saveTitle[] = "--title=Save File";
    char* openArguments[] = {name, selection, openTitle, nullptr};
    char* saveArguments[] = {name, selection, save, confirm, saveTitle, nullptr};
    std::optional<std::string> answer =
        RunForAnswer(program, kind == FileDialogKind::Save ? saveArguments : openArguments);
    // One path, ended by a line break.
    if (answer && !answer->empty() && answer->back() == '\n') answer->pop_back();
    if (!answer || answer->empty()) return std::nullopt;
    return answer;
}

} // namespace platform
