// Nodes, managers, the type registry and inputs, in process with the real
// registration and node classes of the tests' own.
#include <gtest/gtest.h>

#include "scene/node_manager.h"
#include "scene_test_state.h"

namespace {

constexpr int32_t GroupType = 2;

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

TEST(NodeManager, EveryConstructedNodeConsumesTheNextId) {
    SceneTestState();
    CNode first;
    CNode second;
    EXPECT_EQ(second.Id(), first.Id() + 1);
    uint32_t made = SceneNodeManager()->CreateNode(GroupType);
    EXPECT_EQ(made, second.Id() + 1);
    EXPECT_TRUE(DeleteNodeById(made));
    EXPECT_FALSE(DeleteNodeById(made));
    EXPECT_EQ(FindNodeById(made), nullptr);
    CNode third;
    EXPECT_EQ(third.Id(), made + 1);
}

TEST(NodeManager, LookupsVisitManagersInCreationOrder) {
    SceneTestState();
    PlainManager later;
    CNode* inLater = FindNodeById(later.CreateNode(0));
    CNode* inScene = CreateNamedNode(GroupType, "order-probe");
    inLater->SetName("order-probe");
    ASSERT_NE(inScene, nullptr);
    // The later manager's node has the smaller id, but the scene manager comes first.
    EXPECT_LT(inLater->Id(), inScene->Id());
    EXPECT_EQ(FindNodeIdByName("order-probe"), inScene->Id());
    EXPECT_EQ(FindNodeById(inLater->Id()), inLater);
    EXPECT_TRUE(DeleteNodeByName("order-probe"));
    EXPECT_EQ(FindNodeByName("order-probe"), inLater);
    EXPECT_TRUE(DeleteNodeById(inLater->Id()));
    EXPECT_EQ(later.nodes.size(), 0u);
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
    EXPECT_EQ(TypeIdByName("CregisteredTwice"), 0);

    const std::vector<NodeTypeRecord>& types = NodeTypes();
    for (size_t i = 1; i < types.size(); ++i) EXPECT_LT(types[i - 1].typeName, types[i].typeName);
}

TEST(NodeInputs, ConnectStoresTheProducersInterfaceOnlyWhenItAnswers) {
    SceneTestState();
    TestConsumer consumer;
    TestMesh mesh;
    TestMesh otherMesh;
    EXPECT_EQ(consumer.InputPosition("Curve"), 1);
    EXPECT_EQ(consumer.InputPosition("curve"), 0);
    EXPECT_EQ(consumer.InputInterfaceId(1), InterfaceCurve);
    EXPECT_EQ(consumer.InputInterfaceId(2), 0);
    EXPECT_EQ(consumer.InputInterfaceId(-1), 0);

    EXPECT_FALSE(consumer.Connect(1, mesh));
    EXPECT_EQ(consumer.Inputs()[1].connectedId, 0u);
    EXPECT_EQ(consumer.curve, nullptr);
    EXPECT_FALSE(consumer.Connect(2, mesh));

    EXPECT_TRUE(consumer.Connect(0, mesh));
    EXPECT_EQ(consumer.mesh, &mesh.data);
    EXPECT_EQ(consumer.Inputs()[0].connectedId, mesh.Id());
    EXPECT_TRUE(consumer.Connect(0, otherMesh));
    EXPECT_EQ(consumer.mesh, &otherMesh.data);
    EXPECT_EQ(consumer.Inputs()[0].connectedId, otherMesh.Id());
    // Neither is registered with a manager, so there is no connected node to report.
    EXPECT_EQ(consumer.ConnectedNode(0), nullptr);
}

TEST(NodeInputs, ScriptsConnectByIdOrNameAndReadTheConnection) {
    RunChunk("consumer = Node.Create(CTestConsumer, 'consumer') mesh = Node.Create(CTestMesh, 'mesh')");
    EXPECT_EQ(Evaluate("Node.InputName(consumer) .. ' ' .. Node.InputType(consumer, 'Curve')"), "2 7");
    EXPECT_EQ(Evaluate("Node.ConnectInput(consumer, 'Curve', 'mesh')"), "false");
    EXPECT_EQ(Evaluate("Node.ConnectInput(consumer, 'Mesh', 'mesh')"), "true");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode('consumer', 0) == mesh"), "true");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode(consumer, 1)"), "nil");
    // A deleted producer no longer counts as connected, though the pointer stays.
    RunChunk("Node.Delete(mesh)");
    EXPECT_EQ(Evaluate("Node.GetConnectedNode(consumer, 'Mesh')"), "nil");
    RunChunk("Node.Delete('consumer')");
}

TEST(EmitterFunctions, ReadAndMoveAnEmittersPosition) {
    RunChunk("emitter = Node.Create(CTestEmitter, 'emitter')");
    EXPECT_EQ(Evaluate("table.concat({EmitterGetPosition('emitter')}, ' ')"), "0 2 0");
    RunChunk("EmitterSetPosition(emitter, 1.5, 'x', -3)");
    EXPECT_EQ(Evaluate("table.concat({EmitterGetPosition(emitter)}, ' ')"), "1.5 0 -3");
    auto* node = static_cast<TestEmitter*>(FindNodeByName("emitter"));
    EXPECT_EQ(node->position.w, 1.0f);
    EXPECT_EQ(Evaluate("select(2, pcall(EmitterGetPosition, 'consumer', 'last'))"), "last");
    RunChunk("Node.Delete(emitter)");
}
