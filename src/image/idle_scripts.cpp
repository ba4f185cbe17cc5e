#include "image/idle_scripts.h"

#include "image/drawing.h"
#include "script/script_host.h"

uint32_t IdleScriptList::Add(const char* text, bool isFile) {
    IdleScript entry;
    entry.id = ++lastId_;
    entry.isFile = isFile;
    entry.text = text;
    entries_.push_back(std::move(entry));
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

namespace {
IdleScriptList idleScripts;
} // namespace

IdleScriptList& IdleScripts() {
    return idleScripts;
}

// Entries added during the pass wait for the next frame; an entry disabled by
// an earlier one in the same pass is skipped, since each flag is read on arrival.
void RunIdleScripts(lua_State* state) {
    IdleScriptList& list = IdleScripts();
    const size_t count = list.Count();
    for (size_t i = 0; i < count; ++i) {
        const IdleScript& entry = list.At(i);
        if (!entry.enabled) continue;
        if (entry.isFile)
            RunFile(state, entry.text.c_str());
        else
            RunString(state, entry.text.c_str());
    }
}
