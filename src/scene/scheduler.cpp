#include "scene/scheduler.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory_resource>
#include <unordered_map>
#include <utility>
#include <vector>

#include "scene/node.h"

namespace {

constexpr float ThirtyHzSeconds = 0.0333333313465118408203125f;
constexpr float FifteenHzSeconds = 0.06666667f;
// Beyond this backlog the subtraction loop would run long, or forever once the
// tick no longer changes the float.
constexpr float LongBacklogSeconds = 60.0f;

// ---- Pass lists -----------------------------------------------------------

// The node behind each update or render interface that the node manager made.
// A node is held (RetainNode) while an interface of its own is listed, so a
// deleted node that still runs stays alive. Kept beside the interfaces rather
// than in them, as the passes run faster over small objects.
std::unordered_map<const void*, CNode*> nodesOfInterfaces;

CNode* NodeOfInterface(const void* interface) {
    auto found = nodesOfInterfaces.find(interface);
    return found == nodesOfInterfaces.end() ? nullptr : found->second;
}

} // namespace

// The objects of one pass in ascending order of a rank each has while listed.
// A walk goes on after the object it just ran wherever that now is, or, when
// it has left, after the place it had; objects put in beyond that point run
// in the same pass, objects taken out do not run.
template <class Item>
class PassList {
public:
    // Counts insertions, so that ranks can order objects by when they came.
    uint64_t NextInsertion() { return ++insertions_; }

    void Insert(Item* item, uint64_t rank) {
        Place(item, rank);
        RetainNode(NodeOfInterface(item));
    }

    // An object that leaves while it runs keeps its node until it has run:
    // letting go may free the node, and the object with it.
    void Remove(Item* item) {
        items_.erase(item->rank_);
        ++changes_;
        CNode* node = NodeOfInterface(item);
        for (Walker* walker = walkers_; walker; walker = walker->outer) {
            if (walker->current == item) {
                walker->releaseAfterVisit.push_back(node);
                return;
            }
        }
        ReleaseNode(node);
    }

    // A listed object takes another rank; its node stays held.
    void Move(Item* item, uint64_t rank) {
        items_.erase(item->rank_);
        Place(item, rank);
    }

    template <class Visit>
    void Walk(Visit visit) {
        Walker walker;
        walker.outer = walkers_;
        walkers_ = &walker;
        // While nothing changes, the walk runs over a flat copy of the list.
        if (copiedAt_ != changes_) {
            copy_.clear();
            copyRanks_.clear();
            for (const auto& [rank, item] : items_) {
                copy_.push_back(item);
                copyRanks_.push_back(rank);
            }
            copiedAt_ = changes_;
        }
        const uint64_t unchanged = changes_;
        for (size_t i = 0; i < copy_.size() && changes_ == unchanged; ++i) {
            walker.current = copy_[i];
            walker.rank = copyRanks_[i];
            visit(copy_[i]);
        }
        // Once it changes, the copy is stale and the walk goes on in the list,
        // trusting only the rank of the object it ran last.
        if (changes_ != unchanged) {
            LetGo(walker);
            auto next = items_.upper_bound(walker.rank);
            while (next != items_.end()) {
                uint64_t changesBefore = changes_;
                walker.current = next->second;
                walker.rank = next->first;
                visit(next->second);
                LetGo(walker);
                next =
                    changes_ == changesBefore ? std::next(next) : items_.upper_bound(walker.rank);
            }
        }
        walkers_ = walker.outer;
    }

private:
    // A walk under way; walks nest when a pass is run from inside one.
    struct Walker {
        const Item* current = nullptr;
        uint64_t rank = 0;
        Walker* outer = nullptr;
        std::vector<CNode*> releaseAfterVisit;
    };

    void Place(Item* item, uint64_t rank) {
        item->rank_ = rank;
        // Renders always come last: no search for their place.
        bool last = items_.empty() || items_.rbegin()->first < rank;
        items_.emplace_hint(last ? items_.end() : items_.lower_bound(rank), rank, item);
        ++changes_;
        for (Walker* walker = walkers_; walker; walker = walker->outer)
            if (walker->current == item) walker->rank = rank;
    }

    // The nodes of objects that left while they ran, now that they have run.
    static void LetGo(Walker& walker) {
        walker.current = nullptr;
        if (walker.releaseAfterVisit.empty()) return;
        std::vector<CNode*> held;
        held.swap(walker.releaseAfterVisit);
        for (CNode* node : held) ReleaseNode(node);
    }

    // The lists' own bookkeeping comes from a pool of its own, so that it
    // does not spread the objects themselves over more memory.
    std::pmr::unsynchronized_pool_resource pool_;
    std::pmr::map<uint64_t, Item*> items_{&pool_};
    std::vector<Item*> copy_;
    std::vector<uint64_t> copyRanks_;
    uint64_t insertions_ = 0;
    uint64_t changes_ = 0;
    uint64_t copiedAt_ = ~uint64_t{0};
    Walker* walkers_ = nullptr;
};

namespace {

PassList<IUpdate> updateList;
PassList<IRender> renderList;
TickClock tickClock;
int32_t thirtyHzPhaseCounts[2] = {};
int32_t fifteenHzPhaseCounts[4] = {};

// Descending priority, and the newest first among equal priorities.
uint64_t UpdateRank(uint8_t priority, uint64_t insertion) {
    constexpr uint64_t insertionMask = (uint64_t{1} << 56) - 1;
    return (uint64_t{255u - priority} << 56) | (insertionMask - insertion);
}

// ---- Override calls -------------------------------------------------------

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

bool NeedsQuoting(const std::string& functionName) {
    return functionName.find_first_of("\"\\\n\r") != std::string::npos;
}

// A function name that cannot appear in a plain call (it would end or escape a
// string) is looked up as a global of exactly that name instead.
std::string CallTarget(const std::string& functionName) {
    return NeedsQuoting(functionName) ? "_G[\"" + Escaped(functionName) + "\"]" : functionName;
}

// Names, fields and methods (`pulse`, `fx.pulse`, `fx:pulse`) and quoted
// names keep the seconds a number of their own in the call, so the number can
// be handed over as the chunk's `...`. Any other character may open a string,
// a comment or a function around it.
bool SecondsStayAnArgument(const std::string& functionName) {
    if (NeedsQuoting(functionName)) return true;
    return std::all_of(functionName.begin(), functionName.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '.' || c == ':';
    });
}

// The number the call text's "%f" reads back as. A float times 10^6 is exact in
// a double and the rounding matches printf's, ties to even included; the
// division is then the nearest double to the six-decimal text, as reading it is.
double SecondsAsWritten(float seconds) {
    return std::nearbyint(static_cast<double>(seconds) * 1e6) / 1e6;
}

// The name under which the once-compiled update call reports errors; it stands
// for the text of the call with the seconds written in, which is put back in
// every message.
constexpr char kStandInName[] = "=\x01override call";
constexpr char kStandInId[] = "\x01override call";

// How the interpreter names a chunk of script text in messages: its first line,
// cut to 43 characters and marked "..." when anything is cut.
std::string TextChunkId(const std::string& text) {
    constexpr size_t shown = 43; // the 60 of a chunk id, less the frame around the text
    size_t length = std::min(text.find_first_of("\r\n"), std::min(text.size(), shown));
    std::string id = "[string \"" + text.substr(0, length);
    if (length < text.size()) id += "...";
    return id + "\"]";
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// An override replaced or dropped while a call of it runs is freed once no
// override call runs any more: the script the call runs may replace it.
int overrideCallsRunning = 0;
std::vector<std::unique_ptr<const UpdateOverride>> overridesToFree;

void ReplaceOverride(std::unique_ptr<const UpdateOverride>& held,
                     std::unique_ptr<const UpdateOverride> next) {
    if (held && overrideCallsRunning > 0) overridesToFree.push_back(std::move(held));
    held = std::move(next);
}

template <class Call>
void RunOverrideCall(Call call) {
    ++overrideCallsRunning;
    call();
    if (--overrideCallsRunning == 0) overridesToFree.clear();
}

// An empty or missing function name means no override.
std::unique_ptr<const UpdateOverride> MakeOverride(const char* nodeName, const char* functionName,
                                                   UpdateOverride::Call call) {
    if (!functionName || !*functionName) return nullptr;
    return std::make_unique<const UpdateOverride>(nodeName, functionName, call);
}

} // namespace

// ---- Overrides ------------------------------------------------------------

UpdateOverride::UpdateOverride(const char* nodeName, const char* functionName, Call call)
    : nodeName_(nodeName ? nodeName : ""), functionName_(functionName) {
    callPrefix_ = CallTarget(functionName_) + "(\"" + Escaped(nodeName_) + "\"";
    if (call == Call::Render) {
        std::string line = callPrefix_ + ");";
        chunk_.Compile(line.data(), line.size(), line.c_str());
    } else if (SecondsStayAnArgument(functionName_)) {
        std::string line = callPrefix_ + ",...);";
        chunk_.Compile(line.data(), line.size(), kStandInName);
    } else {
        updateRunsAsText_ = true;
    }
}

std::string UpdateOverride::UpdateLine(float seconds) const {
    char number[64];
    snprintf(number, sizeof number, ",%f);", seconds);
    return callPrefix_ + number;
}

void UpdateOverride::RunUpdate(float seconds) const {
    // "%f" writes no number for infinities and NaN; the text says what runs.
    if (updateRunsAsText_ || !std::isfinite(seconds)) {
        RunScriptText(UpdateLine(seconds).c_str());
        return;
    }
    double written = SecondsAsWritten(seconds);
    chunk_.Run(&written, 1, [this, seconds](const std::string& message) {
        return ReplaceAll(message, kStandInId, TextChunkId(UpdateLine(seconds)));
    });
}

void UpdateOverride::RunRender() const { chunk_.Run(); }

// ---- IUpdate --------------------------------------------------------------

IUpdate::IUpdate(UpdateMode mode) : mode_(mode) {}

// A node destroyed while listed is not freed by the lists: nothing is let go.
IUpdate::~IUpdate() {
    nodesOfInterfaces.erase(this);
    if (enabled_) updateList.Remove(this);
    ReplaceOverride(override_, nullptr);
}

void IUpdate::Update(float) {}

void IUpdate::Enable() {
    bool listed = enabled_;
    enabled_ = true;
    if (mode_ == Update30Hz) {
        phase_ = thirtyHzPhaseCounts[0] <= thirtyHzPhaseCounts[1] ? 0 : 1;
        ++thirtyHzPhaseCounts[phase_];
    } else if (mode_ == Update15Hz) {
        phase_ = static_cast<uint8_t>(std::min_element(fifteenHzPhaseCounts, fifteenHzPhaseCounts + 4) -
                                      fifteenHzPhaseCounts);
        ++fifteenHzPhaseCounts[phase_];
    }
    if (!listed) updateList.Insert(this, UpdateRank(priority_, updateList.NextInsertion()));
}

void IUpdate::Disable() {
    bool listed = enabled_;
    enabled_ = false;
    if (mode_ == Update30Hz) --thirtyHzPhaseCounts[phase_ % 2];
    else if (mode_ == Update15Hz) --fifteenHzPhaseCounts[phase_ % 4];
    if (listed) updateList.Remove(this); // last: it may free this object
}

void IUpdate::SetPriority(uint8_t priority) {
    if (priority == priority_) return;
    priority_ = priority;
    if (enabled_) updateList.Move(this, UpdateRank(priority_, updateList.NextInsertion()));
}

void IUpdate::SetOverride(const char* nodeName, const char* functionName) {
    ReplaceOverride(override_, MakeOverride(nodeName, functionName, UpdateOverride::Call::Update));
}

void IUpdate::Dispatch(float seconds) {
    if (override_) RunOverrideCall([&] { override_->RunUpdate(seconds); });
    else Update(seconds);
}

// ---- IRender --------------------------------------------------------------

IRender::IRender() { Enable(); }

IRender::~IRender() {
    nodesOfInterfaces.erase(this);
    if (enabled_) renderList.Remove(this);
    ReplaceOverride(override_, nullptr);
}

void IRender::Render() {}
void IRender::DrawPlain() {}

void IRender::Enable() {
    if (enabled_) return;
    enabled_ = true;
    renderList.Insert(this, renderList.NextInsertion());
}

void IRender::Disable() {
    if (!enabled_) return;
    enabled_ = false;
    renderList.Remove(this); // last: it may free this object
}

void IRender::SetOverride(const char* nodeName, const char* functionName) {
    ReplaceOverride(override_, MakeOverride(nodeName, functionName, UpdateOverride::Call::Render));
}

void IRender::Dispatch() {
    if (override_) RunOverrideCall([&] { override_->RunRender(); });
    else Render();
}

void HoldNodeWhileScheduled(CNode& node) {
    auto hold = [&node](auto* interface) {
        if (!interface || !nodesOfInterfaces.emplace(interface, &node).second) return;
        if (interface->Enabled()) RetainNode(&node);
    };
    hold(node.Query<IUpdate>(InterfaceUpdate));
    hold(node.Query<IRender>(InterfaceRender));
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

void UpdateAll(float frameSeconds) {
    bool tick = tickClock.Advance(frameSeconds);
    updateList.Walk([&](IUpdate* update) {
        switch (update->Mode()) {
        case UpdateEveryFrame: update->Dispatch(frameSeconds); break;
        case Update60Hz:
            if (tick) update->Dispatch(TickClock::TickSeconds);
            break;
        case Update30Hz:
            if (tick && update->Phase() == tickClock.tickCounter % 2) update->Dispatch(ThirtyHzSeconds);
            break;
        case Update15Hz:
            if (tick && update->Phase() == tickClock.tickCounter) update->Dispatch(FifteenHzSeconds);
            break;
        }
    });
}

void RenderAll() {
    renderList.Walk([](IRender* render) { render->Dispatch(); });
}
