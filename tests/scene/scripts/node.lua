-- The Node library: type globals, creation, names, deletion, lists and inputs.

local globals = {}
for name, value in pairs(_G) do
  if type(value) == "number" and string.sub(name, 1, 1) == "C" then table.insert(globals, name .. "=" .. value) end
end
table.sort(globals)
print(table.concat(globals, " "))

-- Ids count from 1; types by id or name; names from texts and numbers.
print(Node.Create(CAttributes, "a"), Node.Create("CGroup", "g"), Node.Create(CGroup), Node.Create(CGroup, 7))
print(Node.Create("NoSuchType", "x"), Node.Create(10), Node.Create(18, "y"), Node.Create({}, "z"), select("#", Node.Create()))
print(Node.Name(2), Node.Name(3) == "", Node.Name(4), Node.Type("g"), Node.TypeString(1))

-- Ids are not reused; a name finds the smallest id.
Node.Delete(4)
print(Node.Create(CAttributes, "later"), Node.Exists(4), Node.Exists(5), Node.Exists("later"))
Node.Create(CGroup, "twin")
Node.Create(CAttributes, "twin")
print(Node.Type("twin"))
Node.Delete("twin")
print(Node.Exists(6), Node.Exists(7), Node.Type("twin"))

-- Lists and deletion by ids, names, numeric text and tables.
Node.Create(CGroup, "keep")
print(table.concat(Node.List(), ","))
Node.Delete({"a", 7, "5", true})
Node.Delete("g", 3, {}, nil)
Node.Delete()
print(table.concat(Node.List(), ","))

-- A node without inputs.
print(Node.NumInputs("keep"), Node.InputName(8), Node.NumInputs("nobody"), Node.NumInputs(), Node.InputType("keep", 0),
      Node.InputType("keep", "Mesh"), Node.InputType("nobody", 0), Node.GetConnectedNode("keep", 0),
      Node.ConnectInput("keep", 0, "keep"), Node.ConnectInput(8, 0))

-- Calls that raise.
for _, row in ipairs({{"Node.Type()", Node.Type}, {"Node.TypeString(keep, 1)", Node.TypeString, "keep", 1},
                      {"Node.Type(nobody)", Node.Type, "nobody"}, {"Node.Name()", Node.Name},
                      {"Node.Name(99)", Node.Name, 99}, {"Node.InputType(keep)", Node.InputType, "keep"},
                      {"Node.GetConnectedNode(keep, 0, 1)", Node.GetConnectedNode, "keep", 0, 1}}) do
  print(row[1] .. ": " .. select(2, pcall(unpack(row, 2))))
end
