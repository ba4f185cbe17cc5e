// Script files and script strings run once per frame, after everything else
// has been drawn. Entries are never removed, only disabled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "script/script_calls.h"

// One state of a file as stat tells it apart; a file that is missing has no state.
struct FileVersion {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0; // also moves when the file's permissions do
    bool operator==(const FileVersion&) const = default;
};

struct IdleScript {
    uint32_t id = 0;
    bool enabled = true;
    bool isFile = false; // text is a path to run, else script text
    std::string text;
    // The text compiled once, or the file as it was when last read (version).
    ScriptChunk chunk;
    FileVersion version;
};

class IdleScriptList {
  public:
    // Appends an enabled entry and returns its id; ids start at 1.
    uint32_t Add(const char* text, bool isFile);
    // Sets the enabled flag of the first entry with the id; unknown ids change nothing.
    void SetEnabled(uint32_t id, bool enabled);
    // Runs the enabled entries in the order they were added.
    void RunEnabled();

  private:
    // A deque never moves its elements, so entries added by a running script
    // leave the one running in place.
    std::deque<IdleScript> entries_;
    uint32_t lastId_ = 0;
};

// The process-wide list the shell runs every frame.
IdleScriptList& IdleScripts();
