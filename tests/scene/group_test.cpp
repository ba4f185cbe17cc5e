// Groups: the IGroup library through scripts, and the forwarded interface
// queries in process.
#include <gtest/gtest.h>

#include "scene/group.h"
#include "scene/node_manager.h"
#include "scene_test_state.h"
#include "support/script_run.h"

TEST(GroupLibrary, MembersWithDuplicateNamesDeletedNodesAndBadCalls) {
    ScriptRunResult result = RunScript(R"(
Node.Create(CGroup, "g")
Node.Create(CAttributes, "a")
Node.Create(CAttributes, "b")
Node.Create(CAttributes, "a")
print(IGroup.AddByName("g", "a"), IGroup.AddByID("g", 3), IGroup.AddByID("g", 4), IGroup.AddByID("g", 3),
      IGroup.AddByID("g", 99), IGroup.AddByName("g", "nobody"), IGroup.NumNodes("g"))
print(IGroup.AddByType("g", CGroup), IGroup.AddByType("g", 10), IGroup.NumNodes("g"))
print(IGroup.RemoveByName("g", "a"), IGroup.RemoveByType("g", CAttributes), IGroup.NumNodes("g"))
Node.Delete(4)
print(IGroup.NumNodes("g"), IGroup.RemoveByName("g", "a"), IGroup.RemoveByType("g", CAttributes),
      IGroup.AddByID("g", 4), IGroup.RemoveByID("g", 4), IGroup.RemoveByID("g", 4), IGroup.NumNodes("g"))
print(IGroup.NumNodes("g", 1))
print(IGroup.AddByName("g"))
print(IGroup.AddByName("nobody", "a"), IGroup.NumNodes("b"))
print("END")
)");
    EXPECT_EQ(result.exitStatus, 0);
    std::string log = result.stdoutLog.substr(0, result.stdoutLog.find("END\n"));
    EXPECT_EQ(log,
              "P = 1\nP = 2\nP = 3\nP = 4\n"
              "true\ttrue\ttrue\tfalse\tfalse\tfalse\t3\n"
              "P = 5\n"
              "true\tfalse\t4\n"
              "true\ttrue\t2\n"
              "2\tfalse\tfalse\tfalse\ttrue\tfalse\t1\n"
              "[ERROR] Incorrect Number of arguments specified\n"
              "Incorrect number of arguments for IGroup::NumNodes\n"
              "\n"
              "[ERROR] Incorrect Number of arguments specified\n"
              "Incorrect number of arguments for IGroup::AddByName\n"
              "\n"
              "nil\n");
    EXPECT_NE(result.errors.find("Unable to find node nobody\nUnable to find node b\n"), std::string::npos)
        << result.errors;
}

TEST(GroupQueries, AnswerTheMemberListThemselvesAndForwardTheRest) {
    SceneTestState();
    CGroup* group = static_cast<CGroup*>(CreateNamedNode(2, "forwarding"));
    ASSERT_NE(group, nullptr);
    CNode* plain = CreateNamedNode(1, "plain-member");
    CNode* first = CreateNamedNode(TestTickerType, "first-ticker");
    CNode* second = CreateNamedNode(TestTickerType, "second-ticker");
    EXPECT_EQ(group->Query<IRender>(InterfaceRender), nullptr);
    for (CNode* node : {plain, first, second}) EXPECT_TRUE(group->Group().AddById(node->Id()));

    EXPECT_EQ(group->Query<IGroup>(InterfaceGroup), &group->Group());
    EXPECT_EQ(group->Query<void>(InterfaceAttributes), plain->Query<void>(InterfaceAttributes));
    EXPECT_EQ(group->Query<IRender>(InterfaceRender), first->Query<IRender>(InterfaceRender));
    EXPECT_EQ(group->Query<IUpdate>(InterfaceUpdate), first->Query<IUpdate>(InterfaceUpdate));

    // Render.Disable on the group reaches the first member that renders, only.
    RunChunk("Render.Disable('forwarding') Update.Disable('forwarding')");
    EXPECT_FALSE(first->Query<IRender>(InterfaceRender)->Enabled());
    EXPECT_TRUE(second->Query<IRender>(InterfaceRender)->Enabled());
    EXPECT_FALSE(first->Query<IUpdate>(InterfaceUpdate)->Enabled());

    // A deleted member is skipped: the next one answers.
    DeleteNodeById(first->Id());
    EXPECT_EQ(group->Query<IRender>(InterfaceRender), second->Query<IRender>(InterfaceRender));
    second->Query<IRender>(InterfaceRender)->Disable();
    second->Query<IUpdate>(InterfaceUpdate)->Disable();
}

TEST(GroupQueries, GroupsThatHoldThemselvesAnswerWithoutEndlessRecursion) {
    SceneTestState();
    CGroup* outer = static_cast<CGroup*>(CreateNamedNode(2, "outer"));
    CGroup* inner = static_cast<CGroup*>(CreateNamedNode(2, "inner"));
    EXPECT_TRUE(outer->Group().AddById(outer->Id()));
    EXPECT_TRUE(outer->Group().AddById(inner->Id()));
    EXPECT_TRUE(inner->Group().AddById(outer->Id()));
    EXPECT_EQ(outer->Query<IRender>(InterfaceRender), nullptr);
    EXPECT_EQ(inner->Query<IRender>(InterfaceRender), nullptr);

    CNode* emitter = CreateNamedNode(TestEmitterType, "looped-emitter");
    EXPECT_TRUE(inner->Group().AddById(emitter->Id()));
    EXPECT_EQ(outer->Query<IEmitter>(InterfaceEmitter), emitter->Query<IEmitter>(InterfaceEmitter));
    EXPECT_EQ(Evaluate("table.concat({EmitterGetPosition('outer')}, ' ')"), "0 2 0");
}
