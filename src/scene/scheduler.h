// Per-frame update and render scheduling: the interfaces nodes embed to take
// part, the two global lists and the passes over them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct lua_State;

// How often an update runs: every frame with the frame time, or on the fixed
// 60 Hz tick, every second tick (two phases) or every fourth tick (four phases).
enum UpdateMode : int32_t {
    UpdateEveryFrame = 0,
    Update60Hz = 1,
    Update30Hz = 2,
    Update15Hz = 3,
};

// A script function called by name instead of a node's own update or render.
// The call text is built once, when the override is set.
class UpdateOverride {
public:
    UpdateOverride(const char* nodeName, const char* functionName);
    const std::string& NodeName() const { return nodeName_; }
    const std::string& FunctionName() const { return functionName_; }
    // `function("node",seconds);`
    std::string UpdateCall(float seconds) const;
    // `function("node");`
    const std::string& RenderCall() const { return renderCall_; }

private:
    std::string nodeName_;
    std::string functionName_;
    std::string callPrefix_; // `function("node"`
    std::string renderCall_;
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
    void Dispatch(lua_State* state, float seconds);

private:
    std::unique_ptr<UpdateOverride> override_;
    uint8_t priority_ = 127;
    uint8_t phase_ = 0;
    UpdateMode mode_;
    bool enabled_ = false;
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
    void Disable();
    bool Enabled() const { return enabled_; }
    void SetOverride(const char* nodeName, const char* functionName);
    const UpdateOverride* Override() const { return override_.get(); }
    void Dispatch(lua_State* state);

private:
    std::unique_ptr<UpdateOverride> override_;
    bool enabled_ = false;
};

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
// UpdateAll and RenderAll, the passes over the two lists, are declared in
// scene/scene_graph.h.
