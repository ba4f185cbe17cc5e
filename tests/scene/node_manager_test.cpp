// Node ids, managers, the type registry and inputs, in process.
#include <gtest/gtest.h>

#include "scene/node_manager.h"
#include "scene/scene_lua.h"
#include "scene_test_state.h"

TEST(NodeManager, EveryConstructedNodeConsumesAnId) {
    SceneTestState();
    CNode unregistered;
    uint32_t registered = CreateNamedNode(2, "after-unregistered")->Id();
    EXPECT_EQ(registered, unregistered.Id() + 1);
    EXPECT_TRUE(DeleteNodeByName("after-unregistered"));
    EXPECT_FALSE(DeleteNodeById(registered));
}

TEST(NodeTypeRegistry, KeepsTheFirstRecordOfANameAndRunsNoSecondLine) {
    SceneTestState();
    RegisterScriptNodeType(120, "CRegisteredTwice", nullptr);
    RunChunk("CRegisteredTwice = CRegisteredTwice + 1000");
    RegisterScriptNodeType(121, "CRegisteredTwice", MakeNode<CNode>);
    EXPECT_EQ(Evaluate("CRegisteredTwice"), "1120");
    EXPECT_EQ(TypeIdByName("CRegisteredTwice"), 120);
    EXPECT_EQ(SceneNodeManager()->CreateNode(120), 0u);
}

TEST(NodeInputs, ConnectByIdOrNameOnlyToNodesThatAnswerTheInputsInterface) {
    RunChunk("consumer = Node.Create(CTestEmitter, 'consumer') "
             "mesh = Node.Create(CTestEmitter, 'mesh') Node.Create(CAttributes, 'no-mesh')");
    auto* consumer = static_cast<TestEmitter*>(FindNodeByName("consumer"));
    EXPECT_EQ(Evaluate("Node.InputName(consumer), Node.InputType(consumer, 'Curve'), Node.InputType(consumer, 'curve')"),
              "2\t7\t5");
    EXPECT_EQ(Evaluate("Node.ConnectInput(consumer, 'Curve', 'mesh'), Node.ConnectInput(consumer, 0, 'no-mesh'), "
                       "Node.ConnectInput(consumer, 2, mesh), Node.ConnectInput(consumer, -1, mesh)"),
              "false\tfalse\tfalse\tfalse");
    EXPECT_TRUE(consumer->Inputs()[0].connectedId == 0 && consumer->mesh == nullptr);

    EXPECT_EQ(Evaluate("Node.ConnectInput(consumer, 'Mesh', 'consumer'), Node.ConnectInput('consumer', 0, mesh)"),
              "true\ttrue");
    EXPECT_EQ(consumer->mesh, &static_cast<TestEmitter*>(FindNodeByName("mesh"))->vertexCount);
    EXPECT_EQ(Evaluate("Node.GetConnectedNode('consumer', 0) == mesh, Node.GetConnectedNode(consumer, 1)"), "true\tnil");
    // A deleted producer no longer counts as connected, though the pointer stays.
    RunChunk("Node.Delete(mesh)");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode(consumer, 'Mesh')"), "nil");
    RunChunk("Node.Delete('consumer') Node.Delete('no-mesh')");
}
