// The Attr library through scripts run by the real runner on CAttributes nodes.
#include <gtest/gtest.h>

#include "support/script_run.h"

namespace {

// Lists a table's elements as {a,b,c}.
const char* kShow = R"(
function show(t)
  local s = {}
  for i, v in ipairs(t) do s[i] = tostring(v) end
  return "{" .. table.concat(s, ",") .. "}"
end
)";

// What the script printed, up to the end marker (shutdown may print after it).
std::string RunLines(const std::string& script) {
    const std::string marker = "<end of script>\n";
    ScriptRunResult result = RunScript(kShow + script + "print('<end of script>')\n");
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    size_t end = result.stdoutLog.find(marker);
    EXPECT_NE(end, std::string::npos) << result.stdoutLog << result.errors;
    return result.stdoutLog.substr(0, end);
}

TEST(AttrLibrary, ScalarConversions) {
    std::string log = RunLines(R"(
Node.Create(CAttributes, "n")
print(Attr.Add("n", "Flag", "bool"), Attr.Add("n", "Count", "int"), Attr.Add("n", "Rate", "float"),
      Attr.Add("n", "Big", "double"), Attr.Add("n", "Text", "string"))
print(Attr.Get("n.Flag"), Attr.Get("n.Count"), Attr.Get("n.Rate"), Attr.Get("n.Big"), "[" .. Attr.Get("n.Text") .. "]")
Attr.Set("n.Flag", 0.000005) print(Attr.Get("n.Flag"))
Attr.Set("n.Flag", -0.5) print(Attr.Get("n.Flag"))
Attr.Set("n.Count", -2.7) print(Attr.Get("n.Count"))
Attr.Set({"n", "Count"}, true) print(Attr.Get({"n", "Count"}))
Attr.Set("n.Rate", 0.1) Attr.Set("n.Big", 0.1) print(Attr.Get("n.Rate"), Attr.Get("n.Big"))
Attr.Set("n.Text", 3) io.write(Attr.Get("n.Text"), " ")
Attr.Set("n.Text", 2.5) io.write(Attr.Get("n.Text"), " ")
Attr.Set("n.Text", "a\0b") io.write(string.len(Attr.Get("n.Text")), " ")
Attr.Set("n.Text", true) print(Attr.Get("n.Text"))
Attr.Set("n.Rate", "7") io.write(Attr.Get("n.Rate"), " ")
Attr.Set("n.Rate[3]", 4) print(Attr.Get("n.Rate"))
Attr.Set("n.Rate", {})
Attr.Set("n.Text", {})
print(select("#", Attr.Get("n.Rate[0]")))
Attr.Set("n.Rate")
print(Attr.Type("n.Flag"), Attr.Type({"n", "Text"}), Attr.Size("n.Rate"), Attr.IsArray("n.Rate"))
)");
    EXPECT_EQ(log,
              "P = 1\n"
              "true\ttrue\ttrue\ttrue\ttrue\n"
              "false\t0\t0\t0\t[]\n"
              "false\n"
              "true\n"
              "-2\n"
              "1\n"
              "0.10000000149012\t0.1\n"
              "3 2.5 3 true\n"
              "7 4\n"
              "[ERROR] Attr.Set - incorrect data type for attribute\n"
              "[ERROR] Attr.Set - incorrect data type for attribute\n"
              "[ERROR] attribute is not an array\n"
              "0\n"
              "Incorrect num args for AttrSet\n"
              "bool\tstring\t1\tfalse\n");
}

TEST(AttrLibrary, ArraysByElementAndWhole) {
    std::string log = RunLines(R"(
Node.Create(CAttributes, "n")
for _, a in ipairs({{"F", "vector<float>"}, {"S", "vector<string>"}, {"B", "vector<bool>"},
                    {"I", "vector<int>"}, {"D", "vector<double>"}}) do
  Attr.Add("n", a[1], a[2])
end
print(show(Attr.Get("n.F")), Attr.Size("n.F"), Attr.IsArray("n.F"), Attr.Type("n.D"))
local t = {}
for i = 1, 100 do t[i] = i / 4 end
Attr.Set("n.F", t) print(Attr.Size("n.F"), Attr.Get("n.F[99]"), table.getn(Attr.Get("n.F")))
Attr.Set("n.F", {1, 2, 3}) print(Attr.Size("n.F"), Attr.Get("n.F[2]"), show(Attr.Get({"n", "F"})))
print(select("#", Attr.Get("n.F[3]")))
print(select("#", Attr.Get({"n", "F", -2})))
Attr.Set("n.F[3]", 1)
Attr.Set({"n", "F", -2}, 1)
Attr.Set("n.F[1]", true) Attr.Set("n.F[0]", "8") print(show(Attr.Get("n.F")))
Attr.Set("n.F[1]", "x")
Attr.Set("n.F", 5)
Attr.Set("n.S", {3, "007", true, 2.5}) print(show(Attr.Get("n.S")))
Attr.Set("n.S[0]", false) Attr.Set("n.S[1]", 4) Attr.Set("n.S[3]", "x") print(show(Attr.Get("n.S")))
Attr.Set("n.S[1]", {})
Attr.Set("n.B", {"yes", "off", 0.5, 0, "maybe", true, "on"}) print(show(Attr.Get("n.B")))
Attr.Set("n.I", {"12.7", -2.7, "x", false, "1.2.3"}) print(show(Attr.Get("n.I")))
Attr.Set("n.D", {0.1, true}) print(show(Attr.Get("n.D")))
Attr.Resize("n.S", 0) print(Attr.Size("n.S"), show(Attr.Get("n.S")))
Attr.Resize("n.I", 7) print(show(Attr.Get("n.I")))
Attr.Resize("n.I", -1) print(Attr.Size("n.I"))
Attr.Resize("n.Missing", 2)
)");
    EXPECT_EQ(log,
              "P = 1\n"
              "{}\t0\ttrue\tvector<double>\n"
              "100\t25\t100\n"
              "3\t3\t{1,2,3}\n"
              "[ERROR] Trying to access out of range element on attribute\n0\n"
              "[ERROR] Trying to access out of range element on attribute\n0\n"
              "Trying to access out of range element\n"
              "Trying to access out of range element\n"
              "{8,1,3}\n"
              "[ERROR] Attr.Set - incorrect data type for array attribute\n"
              "[ERROR] Attr.Set - incorrect data type for array attribute\n"
              "{3.000000,007,true,2.500000}\n"
              "{false,4.000000,true,x}\n"
              "[ERROR] Attr.Set - incorrect data type for attribute\n"
              "{true,false,true,false,false,true,true}\n"
              "{12,-2,0,0,1}\n"
              "{0.1,1}\n"
              "0\t{}\n"
              "{12,-2,0,0,1,0,0}\n"
              "[ERROR] Attr.Resize - invalid size\n7\n"
              "[ERROR] Unknown Attribute name\n");
}

TEST(AttrLibrary, AddressesThatFindNothingSayWhy) {
    std::string log = RunLines(R"(
Node.Create(CAttributes, "n")
Node.Create(CGroup, "g")
Attr.Add("n", "Rate", "float")
print(Attr.Exists({}))
print(Attr.Exists({true, "Rate"}))
print(Attr.Exists({"nobody", "Rate"}))
print(Attr.Exists({"n"}))
print(Attr.Exists({"g", "Rate"}))
print(Attr.Exists({"n", true}))
print(Attr.Exists({"n", "Missing"}))
print(Attr.Exists({1, "Rate"}), Attr.Exists({1.9, "Rate"}), Attr.Exists({3, "Rate"}))
print(Attr.Exists({"n", "Rate", "x"}))
print(Attr.Exists({"n", "Rate", {}}))
print(Attr.Exists({"n", "Rate", 0, "x"}))
print(Attr.Exists({"n", "Rate", 0, {}}))
print(Attr.Exists("nobody.Rate"), Attr.Exists("g.Rate"), Attr.Exists("n.Missing"), Attr.Exists(true),
      Attr.Exists("n.Rate[ 3 ]"))
print(pcall(Attr.Exists, "nRate"))
print(pcall(Attr.Exists, "n.Rate[2x]"))
print(select("#", Attr.Get()), select("#", Attr.Get(true)))
)");
    EXPECT_EQ(log,
              "P = 1\nP = 2\n"
              "[ERROR] Expected some info about the node and attribute?\nfalse\n"
              "[ERROR] Expected node name or ID as first parameter\nfalse\n"
              "[ERROR] Could not find node\nfalse\n"
              "[ERROR] Only specified a node name, no attribute name found\nfalse\n"
              "[ERROR] Node does not support attribute interface\nfalse\n"
              "[ERROR] Expected attribute name\nfalse\n"
              "[ERROR] Attribute could not be found on node\nfalse\n"
              "[ERROR] Could not find node\ntrue\ttrue\tfalse\n"
              "[ERROR] Attribute is not a compound attribute type\ntrue\n"
              "[ERROR] Expected attribute name\nfalse\n"
              "[ERROR] Attribute is not a compound attribute type\ntrue\n"
              "[ERROR] Expected attribute name\nfalse\n"
              "[ERROR] Could not find node\n"
              "[ERROR] Node does not support attribute interface\n"
              "[ERROR] Unknown Attribute name\n"
              "false\tfalse\tfalse\tfalse\ttrue\n"
              "[ERROR] Unable to correctly parse the attribute string\n"
              "false\t[ERROR] AttrType could not understand the string you gave me\n"
              "[ERROR] Could not determine array index\n"
              "false\t[ERROR] AttrType could not understand the string you gave me\n"
              "0\t0\n");
}

TEST(AttrLibrary, AddListAndDelete) {
    std::string log = RunLines(R"(
Node.Create(CAttributes, "n")
Node.Create(CGroup, "g")
Attr.Add("n", "Rate", "float")
print(Attr.Add("n", "Rate", "int"), Attr.Add("n", "V", "vector"), Attr.Add("n", "L", "vector<int>"),
      Attr.Add("g", "X", "int"), Attr.Add("nobody", "X", "int"), Attr.Add("n", "X", "nonsense"),
      Attr.Add("n", 5, "int"))
print(Attr.Type("n.L"), Attr.Type({"n", 5}), select("#", Attr.Add("n", "Y")))
print(pcall(Attr.Add, "n", "Y", true))
Attr.Add("n", "alpha", "int")
Attr.Add("n", "Alpha", "string")
print(table.concat(Attr.List("n"), " "), table.concat(Attr.List(1), " "), table.getn(Attr.List("g")))
print(pcall(Attr.List, "nobody"))
print(pcall(Attr.List, true))
print(pcall(Attr.List))
Attr.Delete({"n", "alpha"})
Attr.Delete("n.Alpha[4]")
Attr.Delete("n.Nothing")
Attr.Delete("nobody.x")
Attr.Delete({"g", "x"})
print(table.concat(Attr.List("n"), " "))
print(pcall(Attr.Delete, {"n"}))
print(pcall(Attr.Delete, {"n", "Rate", "x"}))
print(pcall(Attr.Delete, {"n", {}}))
print(pcall(Attr.Delete, "nRate"))
print(pcall(Attr.Delete))
)");
    EXPECT_EQ(log,
              "P = 1\nP = 2\n"
              "false\tfalse\ttrue\tfalse\tfalse\tfalse\ttrue\n"
              "vector<int>\tint\t0\n"
              "false\t[ERROR] Incorrect argument types for this node\n\n"
              "5 Alpha L Rate alpha\t5 Alpha L Rate alpha\t0\n"
              "false\t[ERROR] Node could not be found\n"
              "false\t[ERROR] ListAttr Expects a node name or id\n"
              "false\t[ERROR] Incorrect num args for ListAttr\n"
              "5 L Rate\n"
              "false\t[ERROR] Attribute name as table incorrectly specified\n"
              "false\t[ERROR] Attribute name as table incorrectly specified\n"
              "false\t[ERROR] Attribute name as table incorrectly specified\n"
              "[ERROR] Unable to correctly parse the attribute string\n"
              "false\t[ERROR] AttrType could not understand the string you gave me\n"
              "false\t[ERROR] Incorrect num args for AttrDelete\n");
}

TEST(AttrLibrary, RaisedErrors) {
    std::string log = RunLines(R"(
Node.Create(CAttributes, "n")
Attr.Add("n", "L", "vector<int>")
print(pcall(Attr.Exists))
print(pcall(Attr.IsArray, "n.L", 2))
print(pcall(Attr.Size))
print(pcall(Attr.Type))
print(pcall(Attr.Resize, "n.L"))
print(pcall(Attr.Resize, "n.L", "x"))
print(pcall(Attr.Type, "n.Missing"))
print(Attr.Size("n.Missing"), Attr.IsArray("n.L"))
)");
    EXPECT_EQ(log,
              "P = 1\n"
              "false\tAttrExists expects a single argument. Either a table or a string!\n\n"
              "false\tAttrIsArray expects a single argument. Either a table or a string!\n\n"
              "false\tAttrSize expects a single argument. Either a table or a string!\n\n"
              "false\tAttrType expects a single argument. Either a table or a string!\n\n"
              "false\t[ERROR] Incorrect num args for AttrResize\n"
              "false\t[ERROR] Incorrect num args for AttrResize\n"
              "[ERROR] Unknown Attribute name\n"
              "false\t[ERROR] Attribute not found\n\n"
              "[ERROR] Unknown Attribute name\n"
              "0\ttrue\n");
}

TEST(AttrLibrary, AnUnreadablePathEndsTheScript) {
    ScriptRunResult result = RunScript(R"(
print("before")
Attr.Get("n.Rate[-1]")
print("not reached")
)");
    EXPECT_EQ(result.stdoutLog.rfind("before\n[ERROR] Could not determine array index\n", 0), 0u)
        << result.stdoutLog;
    EXPECT_EQ(result.stdoutLog.find("not reached"), std::string::npos);
    EXPECT_NE(result.errors.find("[ERROR] AttrType could not understand the string you gave me\n"),
              std::string::npos)
        << result.errors;
}

} // namespace
