#include "image/idle_scripts.h"

#include <sys/stat.h>

#include "image/drawing.h"

namespace {

IdleScriptList idleScripts;

int64_t Nanoseconds(const timespec& time) {
    return int64_t{time.tv_sec} * 1000000000 + time.tv_nsec;
}

FileVersion VersionOf(const char* path) {
    struct stat status;
    if (stat(path, &status) != 0) return {};
    return {true,
            status.st_dev,
            status.st_ino,
            status.st_size,
            Nanoseconds(status.st_mtim),
            Nanoseconds(status.st_ctim)};
}

// True once the chunk holds code or a compile error to report.
bool Prepared(const ScriptChunk& chunk) {
    return chunk.Compiled() || !chunk.Error().empty();
}

// Strings are compiled once. A file is read again only when it has changed; a missing
// file is looked for every time, so that it is reported as the reader sees it.
void Prepare(IdleScript& entry) {
    if (!entry.isFile) {
        if (!Prepared(entry.chunk))
            entry.chunk.Compile(entry.text.data(), entry.text.size(), entry.text.c_str());
        return;
    }
    const FileVersion now = VersionOf(entry.text.c_str());
    if (now.exists && now == entry.version && Prepared(entry.chunk)) return;
    entry.chunk.CompileFile(entry.text.c_str());
    entry.version = now;
}

} // namespace

uint32_t IdleScriptList::Add(const char* text, bool isFile) {
    IdleScript& entry = entries_.emplace_back();
    entry.id = ++lastId_;
    entry.isFile = isFile;
    entry.text = text;
    return lastId_;
}

void IdleScriptList::SetEnabled(uint32_t id, bool enabled) {
    for (IdleScript& entry : entries_) {
        if (entry.id == id) {
            entry.enabled = enabled;
            return;
        }
    }
}

// Entries added during the pass wait for the next frame; an entry disabled by
// an earlier one in the same pass is skipped, since each flag is read on arrival.
void IdleScriptList::RunEnabled() {
    const size_t count = entries_.size();
    for (size_t i = 0; i < count; ++i) {
        IdleScript& entry = entries_[i];
        if (!entry.enabled) continue;
        Prepare(entry);
        entry.chunk.Run();
    }
}

IdleScriptList& IdleScripts() {
    return idleScripts;
}

void RunIdleScripts() {
    IdleScripts().RunEnabled();
}
