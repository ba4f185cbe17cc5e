// The Update and Render libraries on nodes of a test type that updates and renders.
#include <gtest/gtest.h>

#include "scene/node_manager.h"
#include "scene/scene_graph.h"
#include "scene_test_state.h"

namespace {

class SchedulerLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        RunChunk("ticker = Node.Create(CTestTicker, 'ticker')");
        node = FindNodeByName("ticker");
        update = node->Query<IUpdate>(InterfaceUpdate);
        render = node->Query<IRender>(InterfaceRender);
        TestTicker::Log().clear();
    }
    // Leaves nothing in the lists for the tests that follow.
    void TearDown() override {
        update->Disable();
        render->Disable();
        DeleteNodeById(node->Id());
    }
    std::string Id() const { return std::to_string(node->Id()); }

    CNode* node = nullptr;
    IUpdate* update = nullptr;
    IRender* render = nullptr;
};

} // namespace

TEST_F(SchedulerLibrary, UpdateRunsTheNodesOwnUpdateEvenWhenDisabledOrOverridden) {
    // A number is a node name here, not an id.
    RunChunk("Update.Disable(ticker) Render.Disable(ticker)");
    EXPECT_TRUE(update->Enabled());
    EXPECT_TRUE(render->Enabled());
    RunChunk("Update.Disable('ticker') Update.SetOveride('ticker', 'nothing') Update.Update('ticker', 0.25)");
    EXPECT_FALSE(update->Enabled());
    EXPECT_EQ(TestTicker::Log(), (std::vector<std::string>{Id() + " update 0.25"}));
    RunChunk("Render.Render('ticker') Update.Update('nobody', 1) Render.Render('nobody')");
    EXPECT_EQ(TestTicker::Log().back(), Id() + " render");
    EXPECT_EQ(TestTicker::Log().size(), 2u);
}

TEST_F(SchedulerLibrary, PrioritiesKeepTheirLowEightBits) {
    EXPECT_EQ(Evaluate("Update.GetPriority('ticker')"), "127");
    RunChunk("Update.SetPriority('ticker', 300)");
    EXPECT_EQ(Evaluate("Update.GetPriority('ticker')"), "44");
    RunChunk("Update.SetPriority('ticker', -1.5)");
    EXPECT_EQ(update->Priority(), 255);
    EXPECT_EQ(Evaluate("Update.GetPriority('nobody')"), "0");
}

TEST_F(SchedulerLibrary, OverridesCallTheScriptFunctionInThePasses) {
    RunChunk("seen = '' function onUpdate(name, s) seen = seen .. name .. s .. ';' end "
             "function onRender(name) seen = seen .. 'draw ' .. name .. ';' end "
             "Update.SetOveride('ticker', 'onUpdate') Render.SetOveride('ticker', 'onRender')");
    UpdateAll(SceneTestState(), 0.5f);
    RenderAll(SceneTestState());
    EXPECT_EQ(Evaluate("seen"), "ticker0.5;draw ticker;");
    EXPECT_TRUE(TestTicker::Log().empty());

    RunChunk("Update.SetOveride('ticker', '') Render.SetOveride('ticker', '')");
    UpdateAll(SceneTestState(), 0.5f);
    RenderAll(SceneTestState());
    EXPECT_EQ(TestTicker::Log(), (std::vector<std::string>{Id() + " update 0.5", Id() + " render"}));
}

TEST_F(SchedulerLibrary, ArgumentErrorsRaiseTheirMessages) {
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
