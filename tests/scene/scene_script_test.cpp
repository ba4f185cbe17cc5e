// The Node, IGroup and Attr libraries through one script run by the real
// runner: node ids count on from one part of the script to the next.
#include <gtest/gtest.h>

#include "support/script_run.h"

TEST(SceneScript, NodesGroupsAndAttributes) {
    ScriptRunResult run = RunScript(R"(print("<script>")
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

Node.Create(CGroup, "grp")
Node.Create(CAttributes, "a")
Node.Create(CAttributes, "b")
Node.Create(CAttributes, "a")
print(IGroup.AddByName("grp", "a"), IGroup.AddByID("grp", 11), IGroup.AddByID("grp", 12), IGroup.AddByID("grp", 11),
      IGroup.AddByID("grp", 99), IGroup.AddByName("grp", "nobody"), IGroup.NumNodes("grp"))
print(IGroup.AddByType("grp", CGroup), IGroup.AddByType("grp", 10), IGroup.NumNodes("grp"))
print(IGroup.RemoveByName("grp", "a"), IGroup.RemoveByType("grp", CAttributes), IGroup.NumNodes("grp"))
Node.Delete(12)
print(IGroup.NumNodes("grp"), IGroup.RemoveByName("grp", "a"), IGroup.RemoveByType("grp", CAttributes),
      IGroup.AddByID("grp", 12), IGroup.RemoveByID("grp", 12), IGroup.RemoveByID("grp", 12), IGroup.NumNodes("grp"))
print(IGroup.NumNodes("grp", 1))
print(IGroup.AddByName("grp"))
print(IGroup.AddByName("nobody", "a"), IGroup.NumNodes("b"))

function show(t)
  local s = {}
  for i, v in ipairs(t) do s[i] = tostring(v) end
  return "{" .. table.concat(s, ",") .. "}"
end
function put(address, value) Attr.Set(address, value) return Attr.Get(address) end
Node.Create(CAttributes, "n")
for _, a in ipairs({{"Flag", "bool"}, {"Count", "int"}, {"Rate", "float"}, {"Big", "double"}, {"Text", "string"},
                    {"F", "vector<float>"}, {"S", "vector<string>"}, {"B", "vector<bool>"}, {"I", "vector<int>"},
                    {"D", "vector<double>"}}) do
  Attr.Add("n", a[1], a[2])
end
print(Attr.Get("n.Flag"), Attr.Get("n.Count"), Attr.Get("n.Big"), "[" .. Attr.Get("n.Text") .. "]", show(Attr.Get("n.F")))
print(put("n.Flag", 0.000005), put("n.Flag", -0.5), put("n.Count", -2.7), put({"n", "Count"}, true),
      put("n.Rate", 0.1), put("n.Big", 0.1))
print(put("n.Text", 3), put("n.Text", 2.5), string.len(put("n.Text", "a\0b")), put("n.Text", true), put("n.Rate", "7"))
Attr.Set("n.Rate", {})
Attr.Set("n.Rate")
Attr.Set("n.Rate[3]", 4)
Attr.Resize("n.Rate", 5)
print(Attr.Get("n.Rate"), select("#", Attr.Get("n.Rate[0]")), Attr.Size("n.Rate"), Attr.IsArray("n.Rate"))

local t = {}
for i = 1, 100 do t[i] = i / 4 end
Attr.Set("n.F", t)
print(Attr.Size("n.F"), Attr.Get("n.F[99]"), table.getn(Attr.Get("n.F")), Attr.IsArray("n.F"), Attr.Type("n.I"))
Attr.Set("n.F", {1, 2, 3})
print(Attr.Get("n.F[2]"), select("#", Attr.Get("n.F[3]")), select("#", Attr.Get({"n", "F", -2})))
Attr.Set("n.F[3]", 1)
Attr.Set({"n", "F", -2}, 1)
Attr.Set("n.F[1]", "x")
Attr.Set("n.F", 5)
Attr.Set("n.F[1]", true) Attr.Set("n.F[0]", "8") print(show(Attr.Get("n.F")))
print(show(put("n.S", {3})), show(put("n.S", {3, "007", true, 2.5})))
Attr.Set("n.S[0]", false) Attr.Set("n.S[1]", 4) Attr.Set("n.S[3]", "x") Attr.Set("n.S[1]", {}) print(show(Attr.Get("n.S")))
print(show(put("n.B", {"yes", "off", 0.5, 0, "maybe", true, "on"})), show(put("n.I", {"12.7", -2.7, "x", false, "1.2.3"})),
      show(put("n.D", {0.1, true})))
Attr.Resize("n.S", 0) Attr.Resize("n.I", 7) print(Attr.Size("n.S"), show(Attr.Get("n.S")), show(Attr.Get("n.I")))
Attr.Resize("n.I", -1)
Attr.Resize("n.Missing", 2)

Node.Create(CGroup, "g")
print(IGroup.AddByName("g", "n"), Attr.Get("g.Count"), table.concat(Attr.List("g"), " "))

Node.Create(CAttributes, "m")
Node.Create(CGroup, "h")
Attr.Add("m", "Rate", "float")
print(Attr.Exists({}), Attr.Exists({true, "Rate"}), Attr.Exists({"nobody", "Rate"}), Attr.Exists({"m"}))
print(Attr.Exists({"h", "Rate"}), Attr.Exists({"m", true}), Attr.Exists({"m", "Missing"}), Attr.Exists({99, "Rate"}))
print(Attr.Exists({16, "Rate"}), Attr.Exists({16.9, "Rate"}), Attr.Exists({"m", "Rate", "x"}), Attr.Exists({"m", "Rate", {}}))
print(Attr.Exists({"m", "Rate", 0, "x"}), Attr.Exists({"m", "Rate", 0, {}}))
print(Attr.Exists("nobody.Rate"), Attr.Exists("h.Rate"), Attr.Exists("m.Missing"), Attr.Exists(true),
      Attr.Exists("m.Rate[ 3 ]"), select("#", Attr.Get()), select("#", Attr.Get(true)))

print(Attr.Add("m", "Rate", "int"), Attr.Add("m", "V", "vector"), Attr.Add("m", "L", "vector<int>"),
      Attr.Add("h", "X", "int"), Attr.Add("nobody", "X", "int"), Attr.Add("m", "X", "nonsense"),
      Attr.Add("m", 5, "int"), select("#", Attr.Add("m", "Y")))
Attr.Add("m", "alpha", "int")
Attr.Add("m", "Alpha", "string")
print(table.concat(Attr.List("m"), " "), table.concat(Attr.List(16), " "), table.getn(Attr.List("h")), Attr.Type({"m", 5}))
Attr.Delete({"m", "alpha"}) Attr.Delete("m.Alpha[4]") Attr.Delete("m.Nothing") Attr.Delete("nobody.x") Attr.Delete({"h", "x"})
print(table.concat(Attr.List("m"), " "))

for _, call in ipairs({{Attr.Exists, "mRate"}, {Attr.Add, "m", "Y", true},
                       {Attr.List, "nobody"}, {Attr.List, true}, {Attr.List},
                       {Attr.Delete, {"m"}}, {Attr.Delete, {"m", "Rate", "x"}}, {Attr.Delete, {"m", {}}},
                       {Attr.Delete, "mRate"}, {Attr.Delete},
                       {Attr.Exists}, {Attr.IsArray, "m.L", 2}, {Attr.Size}, {Attr.Type},
                       {Attr.Resize, "m.L"}, {Attr.Resize, "m.L", "x"}, {Attr.Type, "m.Missing"}}) do
  print(select(2, pcall(unpack(call))))
end
Attr.Get("m.Rate[-1]")
print("not reached")
)");
    // What the script printed, after the runner's start-up lines.
    size_t start = run.stdoutLog.find("<script>\n");
    ASSERT_NE(start, std::string::npos) << run.errors;
    const std::string output = run.stdoutLog.substr(start + 9);
    EXPECT_TRUE(output.starts_with(
        // Node library: type globals, ids, names, deletion and inputs.
        "CAttributes=1 CConeEmitter=5 CCurve=4 CCurveEmitter=6 CGravityField=16 CGroup=2 CMesh=3 "
        "CMeshEmitter=7 CMeshRenderer=11 CParticleSystem=15 CPlaneCollision=17 CPointEmitter=8 "
        "CPointRenderer=12 CSphereEmitter=9 CSpriteRenderer=14 CStreakRenderer=13 CWindField=19\n"
        "P = 1\nP = 2\nP = 3\nP = 4\n1\t2\t3\t4\n0\t0\t0\t0\t0\ng\ttrue\t7\t2\t1\nP = 5\n"
        "5\tfalse\ttrue\ttrue\nP = 6\nP = 7\n2\nfalse\ttrue\t1\nP = 8\na,g,,later,twin,keep\nkeep\n"
        "0\t0\tnil\tnil\t0\t0\tnil\tnil\tfalse\tfalse\n"
        "[ERROR] Incorrect number of arguments for NodeType\n\n"
        "[ERROR] Incorrect number of arguments for NodeType\n\n[ERROR] Unknown Node\n\n"
        "[ERROR] Incorrect number of arguments for Node.Name\n\n[ERROR] Unknown Node\n\n"
        "Incorrect Args for Node.GetInputType\nIncorrect Args for Node.GetConnected\n"
        // Groups: duplicate names, deleted members, bad calls.
        "P = 9\nP = 10\nP = 11\nP = 12\ntrue\ttrue\ttrue\tfalse\tfalse\tfalse\t3\nP = 13\n"
        "true\tfalse\t4\ntrue\ttrue\t2\n2\tfalse\tfalse\tfalse\ttrue\tfalse\t1\n"
        "[ERROR] Incorrect Number of arguments specified\n"
        "Incorrect number of arguments for IGroup::NumNodes\n\n"
        "[ERROR] Incorrect Number of arguments specified\n"
        "Incorrect number of arguments for IGroup::AddByName\n\nnil\n"
        // Attribute values added, set, read, resized, listed and grouped.
        "P = 14\nfalse\t0\t0\t[]\t{}\nfalse\ttrue\t-2\t1\t0.10000000149012\t0.1\n"
        "3\t2.5\t3\ttrue\t7\n[ERROR] Attr.Set - incorrect data type for attribute\n"
        "Incorrect num args for AttrSet\n[ERROR] attribute is not an array\n4\t0\t1\tfalse\n"
        "100\t25\t100\ttrue\tvector<int>\n"
        "[ERROR] Trying to access out of range element on attribute\n"
        "[ERROR] Trying to access out of range element on attribute\n3\t0\t0\n"
        "Trying to access out of range element\nTrying to access out of range element\n"
        "[ERROR] Attr.Set - incorrect data type for array attribute\n"
        "[ERROR] Attr.Set - incorrect data type for array attribute\n{8,1,3}\n"
        "{3.000000}\t{3.000000,007,true,2.500000}\n"
        "[ERROR] Attr.Set - incorrect data type for attribute\n{false,4.000000,true,x}\n"
        "{true,false,true,false,false,true,true}\t{12,-2,0,0,1}\t{0.1,1}\n"
        "0\t{}\t{12,-2,0,0,1,0,0}\n[ERROR] Attr.Resize - invalid size\n"
        "[ERROR] Unknown Attribute name\nP = 15\ntrue\t1\tB Big Count D F Flag I Rate S Text\n"
        // Attribute addresses, lists, deletions and errors.
        "P = 16\nP = 17\n[ERROR] Expected some info about the node and attribute?\n"
        "[ERROR] Expected node name or ID as first parameter\n[ERROR] Could not find node\n"
        "[ERROR] Only specified a node name, no attribute name found\nfalse\tfalse\tfalse\tfalse\n"
        "[ERROR] Node does not support attribute interface\n[ERROR] Expected attribute name\n"
        "[ERROR] Attribute could not be found on node\n[ERROR] Could not find node\n"
        "false\tfalse\tfalse\tfalse\n[ERROR] Attribute is not a compound attribute type\n"
        "[ERROR] Expected attribute name\ntrue\ttrue\ttrue\tfalse\n"
        "[ERROR] Attribute is not a compound attribute type\n[ERROR] Expected attribute name\n"
        "true\tfalse\n[ERROR] Could not find node\n"
        "[ERROR] Node does not support attribute interface\n[ERROR] Unknown Attribute name\n"
        "false\tfalse\tfalse\tfalse\ttrue\t0\t0\nfalse\tfalse\ttrue\tfalse\tfalse\tfalse\ttrue\t0\n"
        "5 Alpha L Rate alpha\t5 Alpha L Rate alpha\t0\tint\n5 L Rate\n"
        "[ERROR] Unable to correctly parse the attribute string\n"
        "[ERROR] AttrType could not understand the string you gave me\n"
        "[ERROR] Incorrect argument types for this node\n\n[ERROR] Node could not be found\n"
        "[ERROR] ListAttr Expects a node name or id\n[ERROR] Incorrect num args for ListAttr\n"
        "[ERROR] Attribute name as table incorrectly specified\n"
        "[ERROR] Attribute name as table incorrectly specified\n"
        "[ERROR] Attribute name as table incorrectly specified\n"
        "[ERROR] Unable to correctly parse the attribute string\n"
        "[ERROR] AttrType could not understand the string you gave me\n"
        "[ERROR] Incorrect num args for AttrDelete\n"
        "AttrExists expects a single argument. Either a table or a string!\n\n"
        "AttrIsArray expects a single argument. Either a table or a string!\n\n"
        "AttrSize expects a single argument. Either a table or a string!\n\n"
        "AttrType expects a single argument. Either a table or a string!\n\n"
        "[ERROR] Incorrect num args for AttrResize\n[ERROR] Incorrect num args for AttrResize\n"
        "[ERROR] Unknown Attribute name\n[ERROR] Attribute not found\n\n"
        // An unreadable path raises: the script ends there.
        "[ERROR] Could not determine array index\n"))
        << output;
    EXPECT_EQ(output.find("not reached"), std::string::npos);
    EXPECT_NE(run.errors.find("Unable to find node nobody\nUnable to find node b\n"),
              std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("[ERROR] AttrType could not understand the string you gave me\n"),
              std::string::npos)
        << run.errors;
}
