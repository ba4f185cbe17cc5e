// Node ids, managers, the type registry and inputs, in process.
#include <gtest/gtest.h>

#include "scene/node_manager.h"
#include "scene_test_state.h"

namespace {

// A second manager that makes plain nodes, to see the manager order at work.
class PlainManager : public CNodeManager {
public:
    uint32_t CreateNode(int32_t) override {
        CNode* node = new CNode;
        nodes[node->Id()] = node;
        return node->Id();
    }
};

} // namespace

TEST(NodeManager, EveryConstructedNodeConsumesAnIdAndLookupsVisitManagersInOrder) {
    SceneTestState();
    CNode unregistered;
    PlainManager later;
    CNode* inLater = FindNodeById(later.CreateNode(0));
    CNode* inScene = CreateNamedNode(2, "order-probe");
    EXPECT_EQ(inLater->Id(), unregistered.Id() + 1);
    EXPECT_EQ(inScene->Id(), inLater->Id() + 1);
    inLater->SetName("order-probe");
    // The later manager's node has the smaller id, but the scene manager comes first.
    EXPECT_EQ(FindNodeIdByName("order-probe"), inScene->Id());
    EXPECT_TRUE(DeleteNodeByName("order-probe"));
    EXPECT_EQ(FindNodeByName("order-probe"), inLater);
    EXPECT_TRUE(DeleteNodeById(inLater->Id()));
    EXPECT_FALSE(DeleteNodeById(inLater->Id()));
    delete inLater;
}

TEST(NodeTypeRegistry, KeepsTheFirstRecordOfANameAndRunsNoSecondLine) {
    lua_State* state = SceneTestState();
    RegisterNodeType(120, "CRegisteredTwice", nullptr, state);
    RunChunk("CRegisteredTwice = CRegisteredTwice + 1000");
    RegisterNodeType(121, "CRegisteredTwice", MakeNode<CNode>, state);
    EXPECT_EQ(Evaluate("CRegisteredTwice"), "1120");
    EXPECT_EQ(TypeIdByName("CRegisteredTwice"), 120);
    EXPECT_EQ(SceneNodeManager()->CreateNode(120), 0u);
    const std::vector<NodeTypeRecord>& types = NodeTypes();
    for (size_t i = 1; i < types.size(); ++i) EXPECT_LT(types[i - 1].typeName, types[i].typeName);
}

TEST(NodeInputs, ConnectStoresTheProducersInterfaceOnlyWhenItAnswers) {
    TestLink consumer, mesh, otherMesh;
    TestEmitter notMesh;
    EXPECT_EQ(consumer.InputPosition("Curve"), 1);
    EXPECT_EQ(consumer.InputPosition("curve"), 0);
    EXPECT_EQ(consumer.InputInterfaceId(-1), 0);
    EXPECT_FALSE(consumer.Connect(1, mesh));
    EXPECT_FALSE(consumer.Connect(0, notMesh));
    EXPECT_FALSE(consumer.Connect(2, mesh));
    EXPECT_EQ(consumer.Inputs()[0].connectedId, 0u);
    EXPECT_EQ(consumer.mesh, nullptr);

    EXPECT_TRUE(consumer.Connect(0, mesh));
    EXPECT_TRUE(consumer.Connect(0, otherMesh));
    EXPECT_EQ(consumer.mesh, &otherMesh.vertexCount);
    EXPECT_EQ(consumer.Inputs()[0].connectedId, otherMesh.Id());
    // Not registered with a manager, so there is no connected node to report.
    EXPECT_EQ(consumer.ConnectedNode(0), nullptr);
}

TEST(NodeInputs, ScriptsConnectByIdOrNameAndReadTheConnection) {
    RunChunk("consumer = Node.Create(CTestLink, 'consumer') mesh = Node.Create(CTestLink, 'mesh')");
    EXPECT_EQ(Evaluate("Node.InputName(consumer) .. ' ' .. Node.InputType(consumer, 'Curve')"), "2 7");
    EXPECT_EQ(Evaluate("Node.ConnectInput(consumer, 'Curve', 'mesh')"), "false");
    EXPECT_EQ(Evaluate("Node.ConnectInput(consumer, 'Mesh', 'mesh')"), "true");
    EXPECT_EQ(Evaluate("Node.ConnectInput('consumer', 0, mesh)"), "true");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode('consumer', 0) == mesh"), "true");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode(consumer, 1)"), "nil");
    // A deleted producer no longer counts as connected, though the pointer stays.
    RunChunk("Node.Delete(mesh)");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode(consumer, 'Mesh')"), "nil");
    RunChunk("Node.Delete('consumer')");
}
