// Groups: the IGroup library through a script run by the real runner, and the
// forwarded interface queries in process.
#include <gtest/gtest.h>

#include "scene/group.h"
#include "scene/node_manager.h"
#include "scene_test_state.h"

TEST(GroupLibrary, MembersWithDuplicateNamesDeletedNodesAndBadCalls) {
    std::string errors;
    std::string output = RunnerOutput(R"(
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
)",
                                      &errors);
    EXPECT_EQ(output,
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
    EXPECT_NE(errors.find("Unable to find node nobody\nUnable to find node b\n"), std::string::npos) << errors;
}

TEST(GroupQueries, AnswerTheMemberListThemselvesAndForwardTheRestToTheFirstMemberThatAnswers) {
    RunChunk("Node.Create(CGroup, 'forwarding') Node.Create(CTestEmitter, 'plain-member') "
             "Node.Create(CTestTicker, 'first-ticker') Node.Create(CTestTicker, 'second-ticker')");
    auto* group = static_cast<CGroup*>(FindNodeByName("forwarding"));
    CNode* first = FindNodeByName("first-ticker");
    CNode* second = FindNodeByName("second-ticker");
    RunChunk("for _, name in ipairs({'plain-member', 'first-ticker', 'second-ticker'}) do "
             "IGroup.AddByName('forwarding', name) end");

    EXPECT_EQ(group->Query<IGroup>(InterfaceGroup), &group->Group());
    EXPECT_EQ(group->Query<IRender>(InterfaceRender), first->Query<IRender>(InterfaceRender));
    EXPECT_EQ(Evaluate("Attr.Get('forwarding.Position[1]')"), "2");

    // Render.Disable on the group reaches the first member that renders, only.
    RunChunk("Render.Disable('forwarding')");
    EXPECT_FALSE(first->Query<IRender>(InterfaceRender)->Enabled());
    EXPECT_TRUE(second->Query<IRender>(InterfaceRender)->Enabled());

    // A deleted member is skipped: the next one answers.
    DeleteNodeById(first->Id());
    EXPECT_EQ(group->Query<IRender>(InterfaceRender), second->Query<IRender>(InterfaceRender));
    TestTicker::ResetAll();
}

TEST(GroupQueries, GroupsThatHoldThemselvesAnswerWithoutEndlessRecursion) {
    RunChunk("outer = Node.Create(CGroup, 'outer') inner = Node.Create(CGroup, 'inner') "
             "IGroup.AddByID('outer', outer) IGroup.AddByID('outer', inner) IGroup.AddByID('inner', outer)");
    EXPECT_EQ(FindNodeByName("outer")->Query<IRender>(InterfaceRender), nullptr);
    EXPECT_EQ(FindNodeByName("inner")->Query<IRender>(InterfaceRender), nullptr);
    RunChunk("IGroup.AddByID('inner', Node.Create(CTestEmitter, 'looped-emitter'))");
    EXPECT_EQ(Evaluate("table.concat({EmitterGetPosition('outer')}, ' ')"), "0 2 0");
}
