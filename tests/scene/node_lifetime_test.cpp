// Deleted nodes stay alive while anything holds them and are freed, once,
// when the last holder lets go.
#include <gtest/gtest.h>

#include <algorithm>

#include "scene/group.h"
#include "scene/node_manager.h"
#include "scene_test_state.h"

namespace {

class NodeLifetime : public testing::Test {
  protected:
    void SetUp() override { SceneTestState(); }
    void TearDown() override { TestTicker::ResetAll(); }

    static CNode* Make(const char* typeName, const char* name) {
        return CreateNamedNode(TypeIdByName(typeName), name);
    }
    static int TimesFreed(uint32_t id) {
        return static_cast<int>(
            std::count(DestroyedTestNodes().begin(), DestroyedTestNodes().end(), id));
    }
    // Deletes the node and tells whether that freed it.
    static bool DeleteFrees(uint32_t id) {
        DeleteNodeById(id);
        return TimesFreed(id) == 1;
    }
};

} // namespace

TEST_F(NodeLifetime, AnUnheldNodeIsFreedWhenDeleted) {
    uint32_t id = Make("CTestEmitter", "alone")->Id();
    EXPECT_TRUE(DeleteFrees(id));
    EXPECT_FALSE(DeleteNodeById(id));
    EXPECT_EQ(TimesFreed(id), 1);
}

TEST_F(NodeLifetime, GroupMembersAreFreedWhenRemovedOrWithTheirGroup) {
    auto* group = static_cast<CGroup*>(Make("CGroup", "holder"));
    uint32_t removed = Make("CTestEmitter", "removed")->Id();
    uint32_t kept = Make("CTestEmitter", "kept")->Id();
    group->Group().AddById(removed);
    group->Group().AddById(kept);
    group->Group().AddById(group->Id()); // holding itself keeps nothing alive

    EXPECT_FALSE(DeleteFrees(removed));
    EXPECT_FALSE(DeleteFrees(kept));
    EXPECT_EQ(group->Group().Count(), 3u);
    group->Group().RemoveById(removed);
    EXPECT_EQ(TimesFreed(removed), 1);

    DeleteNodeById(group->Id());
    EXPECT_EQ(TimesFreed(kept), 1);
}

TEST_F(NodeLifetime, ConnectedProducersAreFreedWhenReconnectedOrWithTheirConsumer) {
    CNode* consumer = Make("CTestEmitter", "consumer");
    CNode* first = Make("CTestEmitter", "first");
    CNode* second = Make("CTestEmitter", "second");
    uint32_t firstId = first->Id(), secondId = second->Id();
    ASSERT_TRUE(consumer->Connect(0, *first));
    EXPECT_FALSE(DeleteFrees(firstId));
    EXPECT_EQ(consumer->ConnectedNode(0), nullptr); // deleted: out of reach, still held

    ASSERT_TRUE(consumer->Connect(0, *second));
    EXPECT_EQ(TimesFreed(firstId), 1);
    EXPECT_FALSE(DeleteFrees(secondId));
    ASSERT_TRUE(consumer->Connect(0, *consumer)); // its own input keeps nothing alive
    EXPECT_EQ(TimesFreed(secondId), 1);
    EXPECT_TRUE(DeleteFrees(consumer->Id()));
}

TEST_F(NodeLifetime, ScheduledNodesRunOnAfterDeletionAndAreFreedOnceDisabled) {
    auto* ticker = static_cast<TestTicker*>(Make("CTestTicker", "scheduled"));
    uint32_t id = ticker->Id();
    EXPECT_FALSE(DeleteFrees(id));
    TestTicker::log.clear();
    UpdateAll(0.0f);
    RenderAll();
    EXPECT_EQ(TestTicker::log,
              (std::vector<std::string>{"scheduled update 0", "scheduled render"}));

    ticker->IUpdate::Disable();
    EXPECT_EQ(TimesFreed(id), 0); // the render list still holds it
    ticker->IRender::Disable();
    EXPECT_EQ(TimesFreed(id), 1);
}

// The node goes while its own override runs; it is freed after its turn and
// the pass carries on with the next object.
TEST_F(NodeLifetime, ANodeThatDeletesItselfInItsOverrideIsFreedAfterItsTurn) {
    uint32_t after = Make("CTestTicker", "after")->Id();
    uint32_t id = Make("CTestTicker", "doomed")->Id();
    RunChunk(
        "function vanish(name) Update.Disable(name) Render.Disable(name) Node.Delete(name) end "
        "Update.SetOveride('doomed', 'vanish')");
    TestTicker::log.clear();
    UpdateAll(0.0f);
    EXPECT_EQ(TimesFreed(id), 1);
    EXPECT_EQ(TestTicker::log, (std::vector<std::string>{"after update 0"}));
    EXPECT_EQ(TimesFreed(after), 0);
}

// At exit every node goes, whether registered, held by a group or still
// scheduled after its deletion, and the passes find nothing left to run.
TEST_F(NodeLifetime, AtExitEveryNodeIsFreedWhateverHoldsIt) {
    auto* group = static_cast<CGroup*>(Make("CGroup", "holder"));
    uint32_t member = Make("CTestEmitter", "member")->Id();
    uint32_t registered = Make("CTestEmitter", "registered")->Id();
    uint32_t scheduled = Make("CTestTicker", "scheduled")->Id();
    group->Group().AddById(member);
    DeleteNodeById(member);
    DeleteNodeById(scheduled);

    DestroyAllNodes();
    for (uint32_t id : {member, registered, scheduled}) EXPECT_EQ(TimesFreed(id), 1) << id;
    EXPECT_TRUE(SceneNodeManager()->nodes.empty());
    TestTicker::log.clear();
    UpdateAll(0.0f);
    RenderAll();
    EXPECT_TRUE(TestTicker::log.empty());
}
