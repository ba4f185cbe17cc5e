// Per-frame update and render scheduling: the interfaces nodes embed to take
// part, the two global lists and the passes over them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "script/script_calls.h"

class CNode;
template <class Item>
class PassList;

// How often an update runs: every frame with the frame time, or on the fixed
// 60 Hz tick, every second tick (two phases) or every fourth tick (four phases).
enum UpdateMode : int32_t {
    UpdateEveryFrame = 0,
    Update60Hz = 1,
    Update30Hz = 2,
    Update15Hz = 3,
};

// A script function called by name instead of a node's own update or render:
// `function("node",seconds);` for updates, `function("node");` for renders.
// The call is compiled once, when the override is set; scripts and error
// messages see exactly what running that line as text would show them.
class UpdateOverride {
public:
    enum class Call { Update, Render };

    UpdateOverride(const char* nodeName, const char* functionName, Call call);
    const std::string& NodeName() const { return nodeName_; }
    const std::string& FunctionName() const { return functionName_; }

    // Runs the update call with the seconds as "%f" writes them.
    void RunUpdate(float seconds) const;
    void RunRender() const;

private:
    // The update call as script text, as it would be run without compiling once.
    std::string UpdateLine(float seconds) const;

    std::string nodeName_;
    std::string functionName_;
    std::string callPrefix_; // `function("node"`
    ScriptChunk chunk_;
    // Update calls whose function name could swallow the seconds' text into
    // a string or comment are formatted and run as text each time instead.
    bool updateRunsAsText_ = false;
};

class IUpdate {
public:
    explicit IUpdate(UpdateMode mode = UpdateEveryFrame);
    // Leaves the update list; the phase counts keep what they had.
    virtual ~IUpdate();
    IUpdate(const IUpdate&) = delete;
    IUpdate& operator=(const IUpdate&) = delete;

    virtual void Update(float seconds);

    void Enable();
    // May free the node holding this interface when it was deleted and
    // nothing else holds it: callers touch neither afterwards.
    void Disable();
    bool Enabled() const { return enabled_; }
    uint8_t Priority() const { return priority_; }
    // An enabled object moves to its new place in the list.
    void SetPriority(uint8_t priority);
    uint8_t Phase() const { return phase_; }
    UpdateMode Mode() const { return mode_; }
    // An empty or null function name removes the override.
    void SetOverride(const char* nodeName, const char* functionName);
    const UpdateOverride* Override() const { return override_.get(); }
    // The override's script call when there is one, else Update.
    void Dispatch(float seconds);

private:
    // Kept small, the flags packed together: the passes visit every enabled
    // object each frame.
    std::unique_ptr<const UpdateOverride> override_;
    uint8_t priority_ = 127;
    uint8_t phase_ = 0;
    bool enabled_ = false; // exactly while in the update list
    UpdateMode mode_;
    uint64_t rank_ = 0; // its place in the list while listed
    friend class PassList<IUpdate>;
};

class IRender {
public:
    // Enabled from construction on.
    IRender();
    virtual ~IRender();
    IRender(const IRender&) = delete;
    IRender& operator=(const IRender&) = delete;

    virtual void Render();
    // Drawing without state changes, for callers that set up their own state;
    // the render pass never calls it.
    virtual void DrawPlain();

    void Enable();
    // May free the holding node, as IUpdate::Disable.
    void Disable();
    bool Enabled() const { return enabled_; }
    void SetOverride(const char* nodeName, const char* functionName);
    const UpdateOverride* Override() const { return override_.get(); }
    void Dispatch();

private:
    std::unique_ptr<const UpdateOverride> override_;
    bool enabled_ = false; // exactly while in the render list
    uint64_t rank_ = 0;
    friend class PassList<IRender>;
};

// A node whose update or render is listed stays alive while it is, deleted
// or not: the lists hold (RetainNode) the node behind its own interfaces. The
// node manager calls this for every node it makes.
void HoldNodeWhileScheduled(CNode& node);

// The fixed 60 Hz tick: frame times accumulate and a frame is a tick when more
// than 1/60 s has gathered. A frame holds at most one tick; a longer backlog is
// dropped.
struct TickClock {
    static constexpr float TickSeconds = 0.016666668f;
    float accumulator = 0.0f;
    uint8_t tickCounter = 0; // 0, 1, 2, 3, 0, ...
    // True when this frame is a tick.
    bool Advance(float frameSeconds);
};

// The per-frame passes: every listed update by priority, then (from the
// display callback) every listed render in enabling order. An update or
// render may enable or disable objects while a pass runs.
void UpdateAll(float frameSeconds);
void RenderAll();
