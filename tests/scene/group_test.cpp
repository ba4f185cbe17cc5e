// Groups answering interface queries for their members, in process.
#include <gtest/gtest.h>

#include "scene/group.h"
#include "scene/node_manager.h"
#include "scene_test_state.h"

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
