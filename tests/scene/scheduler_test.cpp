// Update and render scheduling with small objects of the tests' own.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "scene/scene_graph.h"
#include "scene/scheduler.h"
#include "script/script_host.h"

namespace {

// Records its updates and renders as "name" or "name:seconds" in a shared log.
class Probe : public IUpdate, public IRender {
public:
    Probe(std::string name, std::vector<std::string>& log, UpdateMode mode = UpdateEveryFrame)
        : IUpdate(mode), name_(std::move(name)), log_(log) {}
    using IUpdate::Disable;
    using IUpdate::Enable;
    // Leave the phase counts as if never enabled, for the tests that follow.
    ~Probe() override {
        if (IUpdate::Enabled()) IUpdate::Disable();
    }
    void Update(float seconds) override {
        log_.push_back(name_ + ":" + std::to_string(seconds));
        if (onUpdate) onUpdate();
    }
    void Render() override { log_.push_back(name_); }

    std::function<void()> onUpdate;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

// A fresh interpreter with the standard libraries, for override calls.
struct OverrideInterpreter {
    OverrideInterpreter() : state(luaL_newstate()) { OpenStandardLibraries(state); }
    ~OverrideInterpreter() { lua_close(state); }
    std::string Global(const char* name) {
        lua_getglobal(state, name);
        std::string value = lua_isstring(state, -1) ? lua_tostring(state, -1) : "nil";
        lua_pop(state, 1);
        return value;
    }
    lua_State* state;
};

// Frames of zero seconds never tick, so only every-frame objects run.
std::vector<std::string> UpdatePass(std::vector<std::string>& log) {
    log.clear();
    UpdateAll(nullptr, 0.0f);
    return log;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(UpdateList, RunsByDescendingPriorityNewestFirstAmongEquals) {
    Lines log;
    Probe normal("127", log), high("200", log), low("50", log), twin("twin", log);
    normal.Enable();
    high.SetPriority(200);
    high.Enable();
    low.SetPriority(50);
    low.Enable();
    EXPECT_EQ(UpdatePass(log), (Lines{"200:0.000000", "127:0.000000", "50:0.000000"}));

    twin.Enable(); // 127 as well, enabled later: runs before the other 127
    EXPECT_EQ(UpdatePass(log), (Lines{"200:0.000000", "twin:0.000000", "127:0.000000", "50:0.000000"}));
    normal.SetPriority(127); // unchanged: keeps its place
    normal.Enable();         // already listed: keeps its place
    EXPECT_EQ(UpdatePass(log), (Lines{"200:0.000000", "twin:0.000000", "127:0.000000", "50:0.000000"}));
    low.SetPriority(255);
    EXPECT_EQ(UpdatePass(log), (Lines{"50:0.000000", "200:0.000000", "twin:0.000000", "127:0.000000"}));
    high.Disable();
    EXPECT_EQ(UpdatePass(log), (Lines{"50:0.000000", "twin:0.000000", "127:0.000000"}));
}

TEST(RenderList, DrawsInEnableOrderFromConstructionOn) {
    Lines log;
    Probe first("first", log), second("second", log);
    log.clear();
    RenderAll(nullptr);
    EXPECT_EQ(log, (Lines{"first", "second"}));
    first.IRender::Disable();
    first.IRender::Enable();
    second.IRender::Enable(); // already listed
    log.clear();
    RenderAll(nullptr);
    EXPECT_EQ(log, (Lines{"second", "first"}));
}

TEST(UpdateList, AnObjectThatDisablesItselfDoesNotMakeTheNextMissItsTurn) {
    Lines log;
    Probe once("once", log), after("after", log);
    after.Enable();
    once.Enable();
    once.onUpdate = [&] { once.IUpdate::Disable(); };
    EXPECT_EQ(UpdatePass(log), (Lines{"once:0.000000", "after:0.000000"}));
    EXPECT_EQ(UpdatePass(log), (Lines{"after:0.000000"}));
}

TEST(Phases, BalanceObjectsAcrossTheSlowerRates) {
    Lines log;
    std::vector<std::unique_ptr<Probe>> thirty, fifteen;
    for (int i = 0; i < 3; ++i) {
        thirty.push_back(std::make_unique<Probe>("30", log, Update30Hz));
        thirty.back()->Enable();
    }
    for (int i = 0; i < 5; ++i) {
        fifteen.push_back(std::make_unique<Probe>("15", log, Update15Hz));
        fifteen.back()->Enable();
    }
    EXPECT_EQ(thirty[0]->Phase(), 0);
    EXPECT_EQ(thirty[1]->Phase(), 1);
    EXPECT_EQ(thirty[2]->Phase(), 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(fifteen[i]->Phase(), i % 4) << i;

    // Freeing a slot in phase 1 (counts 2 and 0) sends the next object there.
    thirty[1]->Disable();
    Probe next("30", log, Update30Hz);
    next.Enable();
    EXPECT_EQ(next.Phase(), 1);
}

TEST(TickClock, TicksWhenMoreThanOneSixtiethHasGathered) {
    TickClock clock;
    std::vector<bool> ticks;
    for (int frame = 0; frame < 4; ++frame) ticks.push_back(clock.Advance(0.01f));
    EXPECT_EQ(ticks, (std::vector<bool>{false, true, false, true}));
    EXPECT_NEAR(clock.accumulator, 0.00666667f, 1e-6f);
    EXPECT_EQ(clock.tickCounter, 2);
}

TEST(TickClock, ALongFrameHoldsOneTickAndDropsTheBacklog) {
    TickClock clock;
    EXPECT_TRUE(clock.Advance(1.0f));
    EXPECT_EQ(clock.tickCounter, 1);
    EXPECT_GT(clock.accumulator, 0.0f);
    EXPECT_LE(clock.accumulator, TickClock::TickSeconds);

    // Far too large for subtracting tick by tick, and not a number at all.
    EXPECT_TRUE(clock.Advance(1.0e9f));
    EXPECT_LE(clock.accumulator, TickClock::TickSeconds);
    EXPECT_FALSE(clock.Advance(NAN));
    EXPECT_EQ(clock.accumulator, 0.0f);
    EXPECT_FALSE(clock.Advance(0.01f));
    EXPECT_TRUE(clock.Advance(0.01f));
}

TEST(UpdateModes, FixedRatesRunOnTicksWithTheirOwnSteps) {
    Lines log;
    Probe everyFrame("0", log), sixty("1", log, Update60Hz);
    std::vector<std::unique_ptr<Probe>> thirty, fifteen;
    for (int i = 0; i < 2; ++i) thirty.push_back(std::make_unique<Probe>("2", log, Update30Hz));
    for (int i = 0; i < 4; ++i) fifteen.push_back(std::make_unique<Probe>("3", log, Update15Hz));
    everyFrame.Enable();
    sixty.Enable();
    for (auto& probe : thirty) probe->Enable();
    for (auto& probe : fifteen) probe->Enable();

    // Each one-second frame is a tick; four ticks visit every phase.
    std::map<std::string, int> runs;
    for (int frame = 0; frame < 4; ++frame) {
        log.clear();
        UpdateAll(nullptr, 1.0f);
        std::map<std::string, int> frameRuns;
        for (const std::string& line : log) ++frameRuns[line];
        EXPECT_EQ(frameRuns["0:1.000000"], 1);
        EXPECT_EQ(frameRuns["1:0.016667"], 1);
        EXPECT_EQ(frameRuns["2:0.033333"], 1) << "one of the two 30 Hz phases per tick";
        EXPECT_EQ(frameRuns["3:0.066667"], 1) << "one of the four 15 Hz phases per tick";
        EXPECT_EQ(log.size(), 4u);
    }
    EXPECT_EQ(UpdatePass(log), (Lines{"0:0.000000"}));
}

TEST(Overrides, CallTheScriptFunctionWithTheNodeNameAndSeconds) {
    OverrideInterpreter script;
    RunString(script.state, "calls = '' function pulse(name, s) calls = calls .. name .. ',' .. tostring(s) .. ';' end");
    Lines log;
    Probe probe("native", log);
    probe.IUpdate::SetOverride("ps1", "pulse");
    probe.IRender::SetOverride("ps1", "pulse");
    EXPECT_EQ(probe.IUpdate::Override()->UpdateCall(0.016666668f), "pulse(\"ps1\",0.016667);");
    EXPECT_EQ(probe.IRender::Override()->RenderCall(), "pulse(\"ps1\");");

    probe.IUpdate::Dispatch(script.state, 0.016666668f);
    probe.IRender::Dispatch(script.state);
    EXPECT_EQ(script.Global("calls"), "ps1,0.016667;ps1,nil;");
    EXPECT_TRUE(log.empty());

    probe.IUpdate::SetOverride("ps1", "");
    probe.IRender::SetOverride("ps1", nullptr);
    probe.IUpdate::Dispatch(script.state, 0.5f);
    probe.IRender::Dispatch(script.state);
    EXPECT_EQ(log, (Lines{"native:0.500000", "native"}));
}

TEST(Overrides, NamesWithQuotesAndBackslashesArriveIntactAndRunNothingElse) {
    OverrideInterpreter script;
    RunString(script.state, "function take(name) got = name end "
                            "_G['odd\"fn\\\\'] = function(name) odd = name end");
    Lines log;
    Probe probe("native", log);
    const char* hostile = "x\"); injected = true; take(\"\\";
    probe.IRender::SetOverride(hostile, "take");
    probe.IRender::Dispatch(script.state);
    EXPECT_EQ(script.Global("got"), hostile);
    EXPECT_EQ(script.Global("injected"), "nil");

    probe.IUpdate::SetOverride("plain", "odd\"fn\\");
    EXPECT_EQ(probe.IUpdate::Override()->UpdateCall(1.0f), "_G[\"odd\\\"fn\\\\\"](\"plain\",1.000000);");
    probe.IUpdate::Dispatch(script.state, 1.0f);
    EXPECT_EQ(script.Global("odd"), "plain");

    // No fixed bound: a long name is passed whole, never cut into another call.
    std::string longName(5000, 'n');
    probe.IRender::SetOverride(longName.c_str(), "take");
    probe.IRender::Dispatch(script.state);
    EXPECT_EQ(script.Global("got"), longName);
}

TEST(Overrides, AFailingScriptFunctionDoesNotStopThePass) {
    OverrideInterpreter script;
    Lines log;
    Probe broken("broken", log), after("after", log);
    broken.Enable();
    after.Enable();
    broken.IUpdate::SetOverride("broken", "no_such_function");
    log.clear();
    UpdateAll(script.state, 0.0f);
    EXPECT_EQ(log, (Lines{"after:0.000000"}));
}
