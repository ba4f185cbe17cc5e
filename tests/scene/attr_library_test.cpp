// The Attr library through scripts run by the real runner, on CAttributes
// nodes and a group holding one.
#include <gtest/gtest.h>

#include "scene_test_state.h"

TEST(AttrLibrary, ValuesAddedSetReadResizedListedAndGrouped) {
    std::string output = RunnerOutput(R"(
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
)");
    EXPECT_EQ(output,
              "P = 1\n"
              "false\t0\t0\t[]\t{}\n"
              "false\ttrue\t-2\t1\t0.10000000149012\t0.1\n"
              "3\t2.5\t3\ttrue\t7\n"
              "[ERROR] Attr.Set - incorrect data type for attribute\n"
              "Incorrect num args for AttrSet\n"
              "[ERROR] attribute is not an array\n"
              "4\t0\t1\tfalse\n"
              "100\t25\t100\ttrue\tvector<int>\n"
              "[ERROR] Trying to access out of range element on attribute\n"
              "[ERROR] Trying to access out of range element on attribute\n"
              "3\t0\t0\n"
              "Trying to access out of range element\n"
              "Trying to access out of range element\n"
              "[ERROR] Attr.Set - incorrect data type for array attribute\n"
              "[ERROR] Attr.Set - incorrect data type for array attribute\n"
              "{8,1,3}\n"
              "{3.000000}\t{3.000000,007,true,2.500000}\n"
              "[ERROR] Attr.Set - incorrect data type for attribute\n"
              "{false,4.000000,true,x}\n"
              "{true,false,true,false,false,true,true}\t{12,-2,0,0,1}\t{0.1,1}\n"
              "0\t{}\t{12,-2,0,0,1,0,0}\n"
              "[ERROR] Attr.Resize - invalid size\n"
              "[ERROR] Unknown Attribute name\n"
              "P = 2\n"
              "true\t1\tB Big Count D F Flag I Rate S Text\n");
}

TEST(AttrLibrary, AddressesListsDeletionsAndErrors) {
    std::string errors;
    std::string output = RunnerOutput(R"(
Node.Create(CAttributes, "n")
Node.Create(CGroup, "g")
Attr.Add("n", "Rate", "float")
print(Attr.Exists({}), Attr.Exists({true, "Rate"}), Attr.Exists({"nobody", "Rate"}), Attr.Exists({"n"}))
print(Attr.Exists({"g", "Rate"}), Attr.Exists({"n", true}), Attr.Exists({"n", "Missing"}), Attr.Exists({3, "Rate"}))
print(Attr.Exists({1, "Rate"}), Attr.Exists({1.9, "Rate"}), Attr.Exists({"n", "Rate", "x"}), Attr.Exists({"n", "Rate", {}}))
print(Attr.Exists({"n", "Rate", 0, "x"}), Attr.Exists({"n", "Rate", 0, {}}))
print(Attr.Exists("nobody.Rate"), Attr.Exists("g.Rate"), Attr.Exists("n.Missing"), Attr.Exists(true),
      Attr.Exists("n.Rate[ 3 ]"), select("#", Attr.Get()), select("#", Attr.Get(true)))

print(Attr.Add("n", "Rate", "int"), Attr.Add("n", "V", "vector"), Attr.Add("n", "L", "vector<int>"),
      Attr.Add("g", "X", "int"), Attr.Add("nobody", "X", "int"), Attr.Add("n", "X", "nonsense"),
      Attr.Add("n", 5, "int"), select("#", Attr.Add("n", "Y")))
Attr.Add("n", "alpha", "int")
Attr.Add("n", "Alpha", "string")
print(table.concat(Attr.List("n"), " "), table.concat(Attr.List(1), " "), table.getn(Attr.List("g")), Attr.Type({"n", 5}))
Attr.Delete({"n", "alpha"}) Attr.Delete("n.Alpha[4]") Attr.Delete("n.Nothing") Attr.Delete("nobody.x") Attr.Delete({"g", "x"})
print(table.concat(Attr.List("n"), " "))

for _, call in ipairs({{Attr.Exists, "nRate"}, {Attr.Add, "n", "Y", true},
                       {Attr.List, "nobody"}, {Attr.List, true}, {Attr.List},
                       {Attr.Delete, {"n"}}, {Attr.Delete, {"n", "Rate", "x"}}, {Attr.Delete, {"n", {}}},
                       {Attr.Delete, "nRate"}, {Attr.Delete},
                       {Attr.Exists}, {Attr.IsArray, "n.L", 2}, {Attr.Size}, {Attr.Type},
                       {Attr.Resize, "n.L"}, {Attr.Resize, "n.L", "x"}, {Attr.Type, "n.Missing"}}) do
  print(select(2, pcall(unpack(call))))
end
Attr.Get("n.Rate[-1]")
print("not reached")
)",
                                      &errors);
    EXPECT_TRUE(output.starts_with(
        "P = 1\nP = 2\n"
        "[ERROR] Expected some info about the node and attribute?\n"
        "[ERROR] Expected node name or ID as first parameter\n"
        "[ERROR] Could not find node\n"
        "[ERROR] Only specified a node name, no attribute name found\n"
        "false\tfalse\tfalse\tfalse\n"
        "[ERROR] Node does not support attribute interface\n"
        "[ERROR] Expected attribute name\n"
        "[ERROR] Attribute could not be found on node\n"
        "[ERROR] Could not find node\n"
        "false\tfalse\tfalse\tfalse\n"
        "[ERROR] Attribute is not a compound attribute type\n"
        "[ERROR] Expected attribute name\n"
        "true\ttrue\ttrue\tfalse\n"
        "[ERROR] Attribute is not a compound attribute type\n"
        "[ERROR] Expected attribute name\n"
        "true\tfalse\n"
        "[ERROR] Could not find node\n"
        "[ERROR] Node does not support attribute interface\n"
        "[ERROR] Unknown Attribute name\n"
        "false\tfalse\tfalse\tfalse\ttrue\t0\t0\n"
        "false\tfalse\ttrue\tfalse\tfalse\tfalse\ttrue\t0\n"
        "5 Alpha L Rate alpha\t5 Alpha L Rate alpha\t0\tint\n"
        "5 L Rate\n"
        "[ERROR] Unable to correctly parse the attribute string\n"
        "[ERROR] AttrType could not understand the string you gave me\n"
        "[ERROR] Incorrect argument types for this node\n\n"
        "[ERROR] Node could not be found\n"
        "[ERROR] ListAttr Expects a node name or id\n"
        "[ERROR] Incorrect num args for ListAttr\n"
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
        "[ERROR] Incorrect num args for AttrResize\n"
        "[ERROR] Incorrect num args for AttrResize\n"
        "[ERROR] Unknown Attribute name\n"
        "[ERROR] Attribute not found\n\n"
        // An unreadable path raises: the script ends there.
        "[ERROR] Could not determine array index\n"))
        << output;
    EXPECT_EQ(output.find("not reached"), std::string::npos);
    EXPECT_NE(errors.find("[ERROR] AttrType could not understand the string you gave me\n"), std::string::npos)
        << errors;
}
