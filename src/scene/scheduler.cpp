#include "scene/scheduler.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "scene/scene_graph.h"
#include "script/script_host.h"

namespace {

constexpr float ThirtyHzSeconds = 0.0333333313465118408203125f;
constexpr float FifteenHzSeconds = 0.06666667f;
// Beyond this backlog the subtraction loop would run long, or forever once the
// tick no longer changes the float.
constexpr float LongBacklogSeconds = 60.0f;

std::vector<IUpdate*> updateList;
std::vector<IRender*> renderList;
TickClock tickClock;
int32_t thirtyHzPhaseCounts[2] = {};
int32_t fifteenHzPhaseCounts[4] = {};

template <class Interface>
void RemoveFromList(std::vector<Interface*>& list, Interface* item) {
    auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end()) list.erase(found);
}

// Before the first object of lower or equal priority, so the newest of equals runs first.
void InsertByPriority(IUpdate* update) {
    if (std::find(updateList.begin(), updateList.end(), update) != updateList.end()) return;
    auto place = std::find_if(updateList.begin(), updateList.end(), [&](const IUpdate* other) {
        return other->Priority() <= update->Priority();
    });
    updateList.insert(place, update);
}

// A name as the body of a double-quoted script string.
std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

// A function name that cannot appear in a plain call (it would end or escape a
// string) is looked up as a global of exactly that name instead.
std::string CallTarget(const std::string& functionName) {
    if (functionName.find_first_of("\"\\\n\r") == std::string::npos) return functionName;
    return "_G[\"" + Escaped(functionName) + "\"]";
}

// An empty or missing function name means no override.
std::unique_ptr<UpdateOverride> MakeOverride(const char* nodeName, const char* functionName) {
    if (!functionName || !*functionName) return nullptr;
    return std::make_unique<UpdateOverride>(nodeName, functionName);
}

} // namespace

// ---- Overrides ------------------------------------------------------------

UpdateOverride::UpdateOverride(const char* nodeName, const char* functionName)
    : nodeName_(nodeName ? nodeName : ""), functionName_(functionName) {
    callPrefix_ = CallTarget(functionName_) + "(\"" + Escaped(nodeName_) + "\"";
    renderCall_ = callPrefix_ + ");";
}

std::string UpdateOverride::UpdateCall(float seconds) const {
    char number[64];
    snprintf(number, sizeof number, ",%f);", seconds);
    return callPrefix_ + number;
}

// ---- IUpdate --------------------------------------------------------------

IUpdate::IUpdate(UpdateMode mode) : mode_(mode) {}

IUpdate::~IUpdate() { RemoveFromList(updateList, this); }

void IUpdate::Update(float) {}

void IUpdate::Enable() {
    enabled_ = true;
    if (mode_ == Update30Hz) {
        phase_ = thirtyHzPhaseCounts[0] <= thirtyHzPhaseCounts[1] ? 0 : 1;
        ++thirtyHzPhaseCounts[phase_];
    } else if (mode_ == Update15Hz) {
        phase_ = static_cast<uint8_t>(std::min_element(fifteenHzPhaseCounts, fifteenHzPhaseCounts + 4) -
                                      fifteenHzPhaseCounts);
        ++fifteenHzPhaseCounts[phase_];
    }
    InsertByPriority(this);
}

void IUpdate::Disable() {
    enabled_ = false;
    if (mode_ == Update30Hz) --thirtyHzPhaseCounts[phase_ % 2];
    else if (mode_ == Update15Hz) --fifteenHzPhaseCounts[phase_ % 4];
    RemoveFromList(updateList, this);
}

void IUpdate::SetPriority(uint8_t priority) {
    if (priority == priority_) return;
    priority_ = priority;
    if (enabled_) {
        RemoveFromList(updateList, this);
        InsertByPriority(this);
    }
}

void IUpdate::SetOverride(const char* nodeName, const char* functionName) {
    override_ = MakeOverride(nodeName, functionName);
}

void IUpdate::Dispatch(lua_State* state, float seconds) {
    if (override_) RunString(state, override_->UpdateCall(seconds).c_str());
    else Update(seconds);
}

// ---- IRender --------------------------------------------------------------

IRender::IRender() { Enable(); }

IRender::~IRender() { RemoveFromList(renderList, this); }

void IRender::Render() {}
void IRender::DrawPlain() {}

void IRender::Enable() {
    enabled_ = true;
    if (std::find(renderList.begin(), renderList.end(), this) == renderList.end()) renderList.push_back(this);
}

void IRender::Disable() {
    enabled_ = false;
    RemoveFromList(renderList, this);
}

void IRender::SetOverride(const char* nodeName, const char* functionName) {
    override_ = MakeOverride(nodeName, functionName);
}

void IRender::Dispatch(lua_State* state) {
    if (override_) RunString(state, override_->RenderCall().c_str());
    else Render();
}

// ---- Passes ---------------------------------------------------------------

bool TickClock::Advance(float frameSeconds) {
    accumulator += frameSeconds;
    // A frame time that is not a number would stop the fixed-rate updates for good.
    if (!std::isfinite(accumulator)) accumulator = 0.0f;
    if (!(accumulator > TickSeconds)) return false;
    tickCounter = static_cast<uint8_t>((tickCounter + 1) % 4);
    if (accumulator > LongBacklogSeconds) accumulator = std::fmod(accumulator, TickSeconds);
    while (accumulator > TickSeconds) accumulator -= TickSeconds;
    return true;
}

// An update or render may enable or disable objects, itself included, while
// the pass runs: the walk goes on after the current object wherever it now is.
template <class Interface, class Dispatch>
void WalkList(std::vector<Interface*>& list, Dispatch dispatch) {
    for (size_t i = 0; i < list.size();) {
        Interface* current = list[i];
        dispatch(current);
        if (i < list.size() && list[i] == current) {
            ++i;
            continue;
        }
        auto found = std::find(list.begin(), list.end(), current);
        if (found != list.end()) i = static_cast<size_t>(found - list.begin()) + 1;
    }
}

void UpdateAll(lua_State* state, float frameSeconds) {
    bool tick = tickClock.Advance(frameSeconds);
    WalkList(updateList, [&](IUpdate* update) {
        switch (update->Mode()) {
        case UpdateEveryFrame: update->Dispatch(state, frameSeconds); break;
        case Update60Hz:
            if (tick) update->Dispatch(state, TickClock::TickSeconds);
            break;
        case Update30Hz:
            if (tick && update->Phase() == tickClock.tickCounter % 2) update->Dispatch(state, ThirtyHzSeconds);
            break;
        case Update15Hz:
            if (tick && update->Phase() == tickClock.tickCounter) update->Dispatch(state, FifteenHzSeconds);
            break;
        }
    });
}

void RenderAll(lua_State* state) {
    WalkList(renderList, [&](IRender* render) { render->Dispatch(state); });
}
