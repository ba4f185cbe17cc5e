// The Node library and the type globals, through scripts run by the real runner.
#include <gtest/gtest.h>

#include "support/script_run.h"

namespace {

// What the script printed, up to the end mark (shutdown messages follow it).
std::string RunLines(const std::string& script) {
    ScriptRunResult result = RunScript(script + "\nprint(\"END\")\n");
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    size_t end = result.stdoutLog.rfind("END\n");
    EXPECT_NE(end, std::string::npos) << result.stdoutLog << result.errors;
    return result.stdoutLog.substr(0, end);
}

} // namespace

TEST(NodeLibrary, TypeNamesAreGlobalsHoldingTheirIds) {
    std::string log = RunLines(R"(
local names = {}
for name, value in pairs(_G) do
  if type(value) == "number" and string.sub(name, 1, 1) == "C" then
    table.insert(names, name .. "=" .. value)
  end
end
table.sort(names)
print(table.concat(names, " "))
)");
    EXPECT_EQ(log,
              "CAttributes=1 CConeEmitter=5 CCurve=4 CCurveEmitter=6 CGravityField=16 CGroup=2 CMesh=3 "
              "CMeshEmitter=7 CMeshRenderer=11 CParticleSystem=15 CPlaneCollision=17 CPointEmitter=8 "
              "CPointRenderer=12 CSphereEmitter=9 CSpriteRenderer=14 CStreakRenderer=13 CWindField=19\n");
}

TEST(NodeLibrary, CreateNumbersNodesFromOneAndNeverReusesIds) {
    std::string log = RunLines(R"(
print(Node.Create(CAttributes, "a"), Node.Create("CGroup", "g"), Node.Create(CGroup), Node.Create(CGroup, 7))
print(Node.Create("NoSuchType", "x"), Node.Create(10), Node.Create(18, "y"), Node.Create({}, "z"))
print(select("#", Node.Create()))
print(Node.Name(2), Node.Name(3) == "", Node.Name(4), Node.Type("g"), Node.TypeString(1))
Node.Delete(4)
print(Node.Create(CAttributes, "later"), Node.Exists(4), Node.Exists(5), Node.Exists("later"))
)");
    EXPECT_EQ(log,
              "P = 1\nP = 2\nP = 3\nP = 4\n"
              "1\t2\t3\t4\n"
              "0\t0\t0\t0\n"
              "0\n"
              "g\ttrue\t7\t2\t1\n"
              "P = 5\n"
              "5\tfalse\ttrue\ttrue\n");
}

TEST(NodeLibrary, DuplicateNamesResolveToTheSmallestIdAndDeleteThatOne) {
    std::string log = RunLines(R"(
Node.Create(CGroup, "twin")
Node.Create(CAttributes, "twin")
print(Node.Type("twin"))
Node.Delete("twin")
print(Node.Exists(1), Node.Exists(2), Node.Type("twin"))
Node.Delete("twin")
print(Node.Exists("twin"))
)");
    EXPECT_EQ(log, "P = 1\nP = 2\n2\nfalse\ttrue\t1\nfalse\n");
}

TEST(NodeLibrary, DeleteTakesIdsNamesAndOneTableOfThem) {
    std::string log = RunLines(R"(
for i = 1, 8 do Node.Create(CGroup, "n" .. i) end
Node.Create(CGroup, "a")
Node.Delete({"a", 7, "8", true})
Node.Delete("n1", 2, {}, nil)
Node.Delete()
print(table.concat(Node.List(), ","))
print(Node.Exists(7), Node.Exists(8), Node.Exists(9), Node.Exists(3))
)");
    EXPECT_EQ(log,
              "P = 1\nP = 2\nP = 3\nP = 4\nP = 5\nP = 6\nP = 7\nP = 8\nP = 9\n"
              "n3,n4,n5,n6\n"
              "false\tfalse\tfalse\ttrue\n");
}

TEST(NodeLibrary, ArgumentErrorsRaiseTheirMessages) {
    std::string log = RunLines(R"(
Node.Create(CGroup, "g")
print(pcall(Node.Type))
print(pcall(Node.TypeString, "g", 1))
print(pcall(Node.Type, "nobody"))
print(pcall(Node.Name))
print(pcall(Node.Name, 99))
print(pcall(Node.InputType, "g"))
print(pcall(Node.GetConnectedNode, "g", 0, 1))
)");
    EXPECT_EQ(log,
              "P = 1\n"
              "false\t[ERROR] Incorrect number of arguments for NodeType\n\n"
              "false\t[ERROR] Incorrect number of arguments for NodeType\n\n"
              "false\t[ERROR] Unknown Node\n\n"
              "false\t[ERROR] Incorrect number of arguments for Node.Name\n\n"
              "false\t[ERROR] Unknown Node\n\n"
              "false\tIncorrect Args for Node.GetInputType\n"
              "false\tIncorrect Args for Node.GetConnected\n");
}

TEST(NodeLibrary, InputQueriesOnNodesWithoutInputsOrWithoutNodes) {
    std::string log = RunLines(R"(
Node.Create(CGroup, "g")
Node.Create(CAttributes, "a")
print(Node.NumInputs("g"), Node.InputName(1), Node.NumInputs("nobody"), Node.NumInputs())
print(Node.InputType("g", 0), Node.InputType("g", "Mesh"), Node.InputType("nobody", 0))
print(Node.GetConnectedNode("g", 0), Node.ConnectInput("g", 0, "a"), Node.ConnectInput(1, 0))
)");
    EXPECT_EQ(log,
              "P = 1\nP = 2\n"
              "0\t0\tnil\tnil\n"
              "0\t0\tnil\n"
              "nil\tfalse\tfalse\n");
}

TEST(NodeLibrary, EmitterFunctionsRaiseWithTheLastArgumentForNonEmitters) {
    ScriptRunResult result = RunScript(R"(
Node.Create(CGroup, "g")
print(pcall(EmitterGetPosition, "g"))
print(pcall(EmitterSetPosition, "nobody", 1, 2, 3))
print(pcall(EmitterGetPosition))
EmitterGetPosition(1)
print("not reached")
)");
    EXPECT_TRUE(result.stdoutLog.starts_with("P = 1\nfalse\tg\nfalse\t3\nfalse\tnil\n")) << result.stdoutLog;
    EXPECT_EQ(result.stdoutLog.find("not reached"), std::string::npos);
    // The uncaught error's value is the node argument 1, reported on its own line.
    EXPECT_NE(result.errors.find("\n1\n"), std::string::npos) << result.errors;
}
