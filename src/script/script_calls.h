// What the rest of the system may ask of the interpreter without seeing it:
// running script text and files, and chunks compiled once and run many times.
// Errors end only their own chunk and are reported as RunString reports them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The one interpreter: made with the standard libraries (base, table, io, os,
// string, math) and kept as the state that registration and script calls
// use; closed at exit, or with the state given to SetScriptState.
void OpenInterpreter();
void CloseInterpreter();

// Runs in the one interpreter; 0 on success, else the error status. Without an
// interpreter nothing runs and the status is nonzero.
int RunScriptText(const char* text);
int RunScriptFile(const char* path);

// Hands an error message to the script's _ALERT function, else to standard error.
void ReportScriptError(const char* message);
// How many errors have been reported so far, to _ALERT or standard error.
unsigned long ReportedScriptErrors();

// A chunk compiled once and kept in the interpreter. A chunk that failed to
// compile keeps its error message, which each Run reports again.
class ScriptChunk {
public:
    ScriptChunk() = default;
    ~ScriptChunk();
    ScriptChunk(ScriptChunk&& other) noexcept;
    ScriptChunk& operator=(ScriptChunk&& other) noexcept;
    ScriptChunk(const ScriptChunk&) = delete;
    ScriptChunk& operator=(const ScriptChunk&) = delete;

    // Compiles text under a chunk name (error messages begin with it). False
    // on a syntax error, whose message Error() then holds.
    bool Compile(const char* text, size_t length, const char* chunkName);
    // Compiles a file as RunFile would; a missing file is an error too.
    bool CompileFile(const char* path);
    // Runs the chunk with the numbers as its variable arguments (...).
    // 0 on success; an error (or the kept compile error) is reported.
    int Run(const double* numbers = nullptr, int count = 0) const;
    // As Run, but a text error message passes through `edit` before it is
    // reported, so a chunk compiled under a stand-in name can report as the
    // script text it stands for would.
    using ErrorEdit = std::function<std::string(const std::string& message)>;
    int Run(const double* numbers, int count, const ErrorEdit& edit) const;

    bool Compiled() const;
    const std::string& Error() const { return error_; }
    void Reset();

private:
    // Forgets what was compiled; false (with the error kept) without an interpreter.
    bool Start();

    int reference_ = -1;       // the function in the interpreter's registry
    unsigned generation_ = 0;  // which interpreter it was compiled in
    std::string error_;
};
