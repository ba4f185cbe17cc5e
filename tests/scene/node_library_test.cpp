// The Node library and the type globals, through a script run by the real runner.
#include <gtest/gtest.h>

#include "scene_test_state.h"

TEST(NodeLibrary, TypesIdsNamesDeletionAndErrors) {
    std::string output = RunnerOutput(R"(
local names = {}
for name, value in pairs(_G) do
  if type(value) == "number" and string.sub(name, 1, 1) == "C" then table.insert(names, name .. "=" .. value) end
end
table.sort(names)
print(table.concat(names, " "))

print(Node.Create(CAttributes, "a"), Node.Create("CGroup", "g"), Node.Create(CGroup), Node.Create(CGroup, 7))
print(Node.Create("NoSuchType", "x"), Node.Create(10), Node.Create(18, "y"), Node.Create({}, "z"), select("#", Node.Create()))
print(Node.Name(2), Node.Name(3) == "", Node.Name(4), Node.Type("g"), Node.TypeString(1))
Node.Delete(4)
print(Node.Create(CAttributes, "later"), Node.Exists(4), Node.Exists(5), Node.Exists("later"))

Node.Create(CGroup, "twin")
Node.Create(CAttributes, "twin")
print(Node.Type("twin"))
Node.Delete("twin")
print(Node.Exists(6), Node.Exists(7), Node.Type("twin"))
Node.Create(CGroup, "keep")
print(table.concat(Node.List(), ","))
Node.Delete({"a", 7, "5", true})
Node.Delete("g", 3, {}, nil)
Node.Delete()
print(table.concat(Node.List(), ","))

print(Node.NumInputs("keep"), Node.InputName(8), Node.NumInputs("nobody"), Node.NumInputs(), Node.InputType("keep", 0),
      Node.InputType("keep", "Mesh"), Node.InputType("nobody", 0), Node.GetConnectedNode("keep", 0),
      Node.ConnectInput("keep", 0, "keep"), Node.ConnectInput(8, 0))
for _, call in ipairs({{Node.Type}, {Node.TypeString, "keep", 1}, {Node.Type, "nobody"}, {Node.Name}, {Node.Name, 99},
                       {Node.InputType, "keep"}, {Node.GetConnectedNode, "keep", 0, 1}}) do
  print(select(2, pcall(unpack(call))))
end
)");
    EXPECT_EQ(output,
              "CAttributes=1 CConeEmitter=5 CCurve=4 CCurveEmitter=6 CGravityField=16 CGroup=2 CMesh=3 "
              "CMeshEmitter=7 CMeshRenderer=11 CParticleSystem=15 CPlaneCollision=17 CPointEmitter=8 "
              "CPointRenderer=12 CSphereEmitter=9 CSpriteRenderer=14 CStreakRenderer=13 CWindField=19\n"
              "P = 1\nP = 2\nP = 3\nP = 4\n"
              "1\t2\t3\t4\n"
              "0\t0\t0\t0\t0\n"
              "g\ttrue\t7\t2\t1\n"
              "P = 5\n"
              "5\tfalse\ttrue\ttrue\n"
              "P = 6\nP = 7\n"
              "2\n"
              "false\ttrue\t1\n"
              "P = 8\n"
              "a,g,,later,twin,keep\n"
              "keep\n"
              "0\t0\tnil\tnil\t0\t0\tnil\tnil\tfalse\tfalse\n"
              "[ERROR] Incorrect number of arguments for NodeType\n\n"
              "[ERROR] Incorrect number of arguments for NodeType\n\n"
              "[ERROR] Unknown Node\n\n"
              "[ERROR] Incorrect number of arguments for Node.Name\n\n"
              "[ERROR] Unknown Node\n\n"
              "Incorrect Args for Node.GetInputType\n"
              "Incorrect Args for Node.GetConnected\n");
}
