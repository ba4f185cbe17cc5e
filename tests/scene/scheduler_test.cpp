// Update and render scheduling, driven through the Update and Render libraries
// on ticker nodes of the tests' own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "scene/node_manager.h"
#include "scene_test_state.h"
#include "script/script_calls.h"

namespace {

using Lines = std::vector<std::string>;

class Scheduler : public testing::Test {
protected:
    void SetUp() override {
        SceneTestState();
        TestTicker::ResetAll();
    }
    void TearDown() override { TestTicker::ResetAll(); }

    // What the tickers logged in one update pass, or in one render pass.
    static Lines UpdatePass(float seconds) { return Logged([&] { UpdateAll(seconds); }); }
    static Lines RenderPass() { return Logged([] { RenderAll(); }); }
    template <class Pass> static Lines Logged(Pass pass) {
        TestTicker::log.clear();
        pass();
        return TestTicker::log;
    }
    static IUpdate* UpdateOf(const char* name) { return FindNodeByName(name)->Query<IUpdate>(InterfaceUpdate); }
};

} // namespace

// Frames of zero seconds never tick, so only every-frame tickers run in them.
TEST_F(Scheduler, UpdatesRunByDescendingPriorityNewestFirstAmongEquals) {
    RunChunk("for _, name in ipairs({'p127', 'p200', 'p50'}) do Node.Create(CTestTicker, name) Update.Disable(name) end "
             "Update.SetPriority('p200', 200) Update.SetPriority('p50', 50) "
             "for _, name in ipairs({'p127', 'p200', 'p50'}) do Update.Enable(name) end");
    EXPECT_EQ(UpdatePass(0), (Lines{"p200 update 0", "p127 update 0", "p50 update 0"}));
    RunChunk("Node.Create(CTestTicker, 'twin')");
    const Lines withTwin{"p200 update 0", "twin update 0", "p127 update 0", "p50 update 0"};
    EXPECT_EQ(UpdatePass(0), withTwin);
    RunChunk("Update.SetPriority('p127', 127) Update.Enable('p127')"); // no change: keeps its place
    EXPECT_EQ(UpdatePass(0), withTwin);

    RunChunk("Update.SetPriority('p50', 300)");
    EXPECT_EQ(Evaluate("Update.GetPriority('p50') .. ' ' .. Update.GetPriority('nobody')"), "44 0");
    RunChunk("Update.SetPriority('p50', -1.5) Update.Disable('p200')");
    EXPECT_EQ(UpdatePass(0), (Lines{"p50 update 0", "twin update 0", "p127 update 0"}));
}

TEST_F(Scheduler, SlowerRatesShareTheirPhasesAndRunOnTicksWithFixedSteps) {
    RunChunk("Node.Create(CTestTicker, 'every') Node.Create(CTestTicker60, 'sixty') "
             "for _, name in ipairs({'t30a', 't30b', 't30c'}) do Node.Create(CTestTicker30, name) end "
             "for _, name in ipairs({'t15a', 't15b', 't15c', 't15d', 't15e'}) do Node.Create(CTestTicker15, name) end");
    std::string phases;
    for (const char* name : {"t30a", "t30b", "t30c", "t15a", "t15b", "t15c", "t15d", "t15e"})
        phases += std::to_string(UpdateOf(name)->Phase());
    EXPECT_EQ(phases, "01001230");

    // Every one-second frame is a tick; four ticks visit every phase once.
    std::map<std::string, int> runs;
    for (int frame = 0; frame < 4; ++frame)
        for (const std::string& line : UpdatePass(1.0f)) ++runs[line];
    const std::map<std::string, int> expected{
        {"every update 1", 4},       {"sixty update 0.0166667", 4}, {"t30a update 0.0333333", 2},
        {"t30b update 0.0333333", 2}, {"t30c update 0.0333333", 2}, {"t15a update 0.0666667", 1},
        {"t15b update 0.0666667", 1}, {"t15c update 0.0666667", 1}, {"t15d update 0.0666667", 1},
        {"t15e update 0.0666667", 1}};
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(UpdatePass(0), (Lines{"every update 0"}));

    // Freeing a place in phase 1 (counts 2 and 0) sends the next one there.
    RunChunk("Update.Disable('t30b') Node.Create(CTestTicker30, 't30d')");
    EXPECT_EQ(UpdateOf("t30d")->Phase(), 1);
}

TEST(TickClock, TicksOnceWhenMoreThanOneSixtiethHasGathered) {
    TickClock clock;
    std::vector<bool> ticks;
    for (int frame = 0; frame < 4; ++frame) ticks.push_back(clock.Advance(0.01f));
    EXPECT_EQ(ticks, (std::vector<bool>{false, true, false, true}));
    EXPECT_NEAR(clock.accumulator, 0.00666667f, 1e-6f);

    // A long frame holds one tick and drops the backlog.
    EXPECT_TRUE(clock.Advance(1.0f));
    EXPECT_LE(clock.accumulator, TickClock::TickSeconds);
    // Far too large for subtracting tick by tick, and not a number at all.
    EXPECT_TRUE(clock.Advance(1.0e9f));
    EXPECT_LE(clock.accumulator, TickClock::TickSeconds);
    EXPECT_FALSE(clock.Advance(NAN));
    EXPECT_FALSE(clock.Advance(0.01f));
    EXPECT_TRUE(clock.Advance(0.01f));
}

TEST_F(Scheduler, OverridesCallTheScriptFunctionWithTheNodeNameUntilRemoved) {
    RunChunk("seen = '' function pulse(name, s) seen = seen .. name .. ' ' .. s .. ';' end "
             "function draw(name, extra) seen = seen .. 'draw ' .. name .. ' ' .. tostring(extra) .. ';' end "
             "Node.Create(CTestTicker, 'ps1') Update.SetOveride('ps1', 'pulse') Render.SetOveride('ps1', 'draw')");
    // The seconds arrive with six decimals.
    EXPECT_TRUE(UpdatePass(1.0f / 60).empty());
    EXPECT_TRUE(RenderPass().empty());
    EXPECT_EQ(Evaluate("seen"), "ps1 0.016667;draw ps1 nil;");

    RunChunk("Update.SetOveride('ps1', '') Render.SetOveride('ps1', '')");
    EXPECT_EQ(UpdatePass(0.5f), (Lines{"ps1 update 0.5"}));
    EXPECT_EQ(RenderPass(), (Lines{"ps1 render"}));
}

// An override that disables its own node mid-pass must not make the next one miss its turn.
TEST_F(Scheduler, OverridesWithQuotesBackslashesFailuresOrSelfDisablingDisturbNothingElse) {
    RunChunk(R"(
got = {}
function take(name) table.insert(got, name) end
_G['odd"fn\\'] = function(name) odd = name Update.Disable(name) end
hostile = [[x"); injected = true; take("\]]
long = string.rep("n", 5000)
for _, name in ipairs({"after", hostile, "broken", long}) do Node.Create(CTestTicker, name) end
Update.SetOveride("broken", "no_such_function")
Update.SetOveride(hostile, [[odd"fn\]])
Render.SetOveride(hostile, "take")
Render.SetOveride(long, "take")
)");
    // Newest first; the failing override does not stop the pass.
    EXPECT_EQ(UpdatePass(0), (Lines{std::string(5000, 'n') + " update 0", "after update 0"}));
    EXPECT_EQ(Evaluate("odd == hostile"), "true");
    RunChunk("odd = nil");
    UpdatePass(0);
    RenderAll();
    EXPECT_EQ(Evaluate("odd == nil and got[1] == hostile and got[2] == long and not injected"),
              "true");
}

// B takes itself and A (already run) out and puts E in after itself: the pass
// goes on from B's place, so E, C and D all run once.
TEST_F(Scheduler, APassGoesOnFromThePlaceOfAnUpdateThatLeftIt) {
    RunChunk("for name, priority in pairs({A = 200, B = 150, E = 120, C = 100, D = 50}) do "
             "Node.Create(CTestTicker, name) Update.Disable(name) Update.SetPriority(name, priority) end "
             "for _, name in ipairs({'A', 'B', 'C', 'D'}) do Update.Enable(name) end "
             "function shuffle(name) Update.Disable('A') Update.Disable(name) Update.Enable('E') end "
             "Update.SetOveride('B', 'shuffle')");
    EXPECT_EQ(UpdatePass(0), (Lines{"A update 0", "E update 0", "C update 0", "D update 0"}));
    EXPECT_EQ(UpdatePass(0), (Lines{"E update 0", "C update 0", "D update 0"}));
}

TEST_F(Scheduler, RendersRunInEnableOrderAndDirectCallsRunTheNodesOwnCode) {
    RunChunk("Node.Create(CTestTicker, 'ticker') Node.Create(CTestTicker, '7')");
    EXPECT_EQ(RenderPass(), (Lines{"ticker render", "7 render"}));
    RunChunk("Render.Disable('ticker') Render.Enable('ticker') Render.Enable('7')");
    EXPECT_EQ(RenderPass(), (Lines{"7 render", "ticker render"}));
    // Disabled or overridden, the direct calls still run the node's code; a
    // number is a node name here, not an id.
    RunChunk("Update.Disable(7) Render.Disable(7)");
    EXPECT_FALSE(UpdateOf("7")->Enabled());
    TestTicker::log.clear();
    RunChunk("Update.Disable('ticker') Update.SetOveride('ticker', 'nothing') Update.Update('ticker', 0.25) "
             "Render.Render('ticker') Update.Update('nobody', 1) Render.Render('nobody')");
    EXPECT_EQ(TestTicker::log, (Lines{"ticker update 0.25", "ticker render"}));
}

TEST_F(Scheduler, ArgumentErrorsRaiseTheirMessages) {
    const char* calls[][2] = {
        {"Update.Update('ticker')", "[ERROR] Incorrect number of args for IUpdate::Update"},
        {"Update.Update('ticker', 'soon')", "[ERROR] Incorrect number of args for IUpdate::Update"},
        {"Update.Enable()", "[ERROR] Incorrect number of args for IUpdate::UpdateEnable"},
        {"Update.Disable({})", "[ERROR] Incorrect number of args for IUpdate::UpdateDisable"},
        {"Update.GetPriority('a', 'b')", "[ERROR] Incorrect number of args for IUpdate::UpdateGetPriority"},
        {"Update.SetPriority('ticker')", "[ERROR] Incorrect number of args for IUpdate::UpdateSetPriority"},
        {"Update.SetOveride('ticker')", "[ERROR] Incorrect number of args for IUpdate::UpdateSetOveride"},
        {"Render.Render()", "[ERROR] Incorrect number of args for IRender::Render"},
        {"Render.Enable()", "[ERROR] Incorrect number of args for IUpdate::RenderEnable"},
        {"Render.Disable(nil)", "[ERROR] Incorrect number of args for IRender::RenderDisable"},
        {"Render.SetOveride('ticker', {})", "[ERROR] Incorrect number of args for IRender::RenderSetOveride"},
    };
    for (const auto& [call, message] : calls)
        EXPECT_EQ(Evaluate(std::string("select(2, pcall(function() ") + call + " end))"), message) << call;
}

// Rows: function name, node name, and the call line the override stands for at
// 1/60 s; the error each reports must read exactly as running that line does.
TEST_F(Scheduler, OverrideErrorsReadAsTheirCallLineWould) {
    const std::string longNode(40, 'n');
    const std::string rows[][3] = {
        {"missing", "ps1", "missing(\"ps1\",0.016667);"},
        {"blame", "ps1", "blame(\"ps1\",0.016667);"},
        {"drop", "ps1", "drop(\"ps1\",0.016667);"},
        {"fx:missing", "ps1", "fx:missing(\"ps1\",0.016667);"},
        {"odd\"missing", "p\"s", "_G[\"odd\\\"missing\"](\"p\\\"s\",0.016667);"},
        {"1x", "ps1", "1x(\"ps1\",0.016667);"},
        {"(function() return print", "ps1", "(function() return print(\"ps1\",0.016667);"},
        {"missing", longNode, "missing(\"" + longNode + "\",0.016667);"},
        {"blame", longNode.substr(0, 24), "blame(\"" + longNode.substr(0, 24) + "\",0.016667);"},
        {"blame", longNode.substr(0, 25), "blame(\"" + longNode.substr(0, 25) + "\",0.016667);"},
    };
    RunChunk("fx = {} function blame(name) error('blamed ' .. name, 2) end "
             "function drop(name) Update.SetOveride(name, '') error('dropped ' .. name, 2) end "
             "function _ALERT(message) alerts = (alerts or '') .. message .. '|' end");
    auto alerts = [](auto run) {
        RunChunk("alerts = ''");
        run();
        return Evaluate("alerts");
    };
    for (const auto& [function, node, line] : rows) {
        IUpdate* update = CreateNamedNode(TypeIdByName("CTestTicker"), node.c_str())
                              ->Query<IUpdate>(InterfaceUpdate);
        std::string expected = alerts([&] { RunScriptText(line.c_str()); });
        update->SetOverride(node.c_str(), function.c_str());
        EXPECT_NE(expected, "|") << line;
        EXPECT_EQ(alerts([] { UpdateAll(1.0f / 60); }), expected) << line;
        TestTicker::ResetAll();
    }
    CreateNamedNode(TypeIdByName("CTestTicker"), "ps1")
        ->Query<IRender>(InterfaceRender)
        ->SetOverride("ps1", "missing");
    EXPECT_EQ(alerts([] { RenderAll(); }), alerts([] { RunScriptText("missing(\"ps1\");"); }));
    RunChunk("_ALERT = nil");
}

// The seconds arrive as reading the call's "%f" text back gives them, ties
// rounded to even; the text of an infinite time names no number.
TEST_F(Scheduler, OverridesReceiveTheSecondsAsTheirCallLineWritesThem) {
    RunChunk("function keep(name, s) kept = s end Node.Create(CTestTicker, 'kept') "
             "Update.SetOveride('kept', 'keep')");
    std::vector<float> seconds{1.0f / 60,   1.0f / 128, 3.0f / 128, 5e-7f, -0.25f,
                               123456.789f, 1e30f,      0.0f,       -1e-9f};
    uint32_t state = 12345;
    for (int i = 0; i < 500; ++i) {
        state = state * 1664525u + 1013904223u;
        seconds.push_back(
            std::ldexp(static_cast<float>(state >> 8), -static_cast<int>(state % 40) - 4));
    }
    for (float value : seconds) {
        UpdateAll(value);
        char written[64];
        snprintf(written, sizeof written, "%f", value);
        lua_getglobal(SceneTestState(), "kept");
        EXPECT_EQ(lua_tonumber(SceneTestState(), -1), strtod(written, nullptr)) << written;
        lua_pop(SceneTestState(), 1);
    }
    UpdateAll(INFINITY);
    EXPECT_EQ(Evaluate("kept"), "nil");
}
