// Script files and script strings run once per frame, after everything else
// has been drawn. Entries are never removed, only disabled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

struct IdleScript {
    uint32_t id = 0;
    bool enabled = true;
    bool isFile = false; // text is a path to run, else script text
    std::string text;
};

class IdleScriptList {
  public:
    // Appends an enabled entry and returns its id; ids start at 1.
    uint32_t Add(const char* text, bool isFile);
    // Sets the enabled flag of the first entry with the id; unknown ids change nothing.
    void SetEnabled(uint32_t id, bool enabled);

    size_t Count() const { return entries_.size(); }
    // Stays valid while entries are added (a deque never moves its elements).
    const IdleScript& At(size_t index) const { return entries_[index]; }

  private:
    std::deque<IdleScript> entries_;
    uint32_t lastId_ = 0;
};

// The process-wide list the shell runs every frame.
IdleScriptList& IdleScripts();
