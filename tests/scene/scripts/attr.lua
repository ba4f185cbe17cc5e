-- The Attr library on attributes that scripts add: values set and read,
-- arrays resized and replaced, addresses resolved, lists and errors.

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

-- Scalars: first values and conversions.
print(Attr.Get("n.Flag"), Attr.Get("n.Count"), Attr.Get("n.Big"), "[" .. Attr.Get("n.Text") .. "]", show(Attr.Get("n.F")))
print(put("n.Flag", 0.000005), put("n.Flag", -0.5), put("n.Count", -2.7), put({"n", "Count"}, true),
      put("n.Rate", 0.1), put("n.Big", 0.1))
print(put("n.Text", 3), put("n.Text", 2.5), string.len(put("n.Text", "a\0b")), put("n.Text", true), put("n.Rate", "7"))
Attr.Set("n.Rate", {})
Attr.Set("n.Rate")
Attr.Set("n.Rate[3]", 4)
Attr.Resize("n.Rate", 5)
print(Attr.Get("n.Rate"), select("#", Attr.Get("n.Rate[0]")), Attr.Size("n.Rate"), Attr.IsArray("n.Rate"))

-- Arrays: whole tables, elements in and out of range.
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

-- Text elements: numbers as "%f", and no booleans one by one.
print(show(put("n.S", {3})), show(put("n.S", {3, "007", true, 2.5})))
Attr.Set("n.S[0]", false) Attr.Set("n.S[1]", 4) Attr.Set("n.S[3]", "x") Attr.Set("n.S[1]", {}) print(show(Attr.Get("n.S")))
print(show(put("n.B", {"yes", "off", 0.5, 0, "maybe", true, "on"})), show(put("n.I", {"12.7", -2.7, "x", false, "1.2.3"})),
      show(put("n.D", {0.1, true})))

-- Resizing, down to nothing and past what an array may take.
Attr.Resize("n.S", 0) Attr.Resize("n.I", 7) print(Attr.Size("n.S"), show(Attr.Get("n.S")), show(Attr.Get("n.I")))
Attr.Resize("n.I", -1)
Attr.Resize("n.Missing", 2)
for _, size in ipairs({2147483647, 1 / 0, 1e300, "0x7fffffff", 67108865}) do Attr.Resize("n.I", size) end
Attr.Resize({"n", "S"}, 8388609)
Attr.Resize("n.D", 33554433)
print(Attr.Size("n.S"), show(Attr.Get("n.I")), Attr.Size("n.D"))

-- A group answers for its first member with attributes.
Node.Create(CGroup, "g")
print(IGroup.AddByName("g", "n"), Attr.Get("g.Count"), table.concat(Attr.List("g"), " "))

-- Addresses that name nothing, and what each says.
local m = Node.Create(CAttributes, "m")
Node.Create(CGroup, "h")
Attr.Add("m", "Rate", "float")
print(Attr.Exists({}), Attr.Exists({true, "Rate"}), Attr.Exists({"nobody", "Rate"}), Attr.Exists({"m"}))
print(Attr.Exists({"h", "Rate"}), Attr.Exists({"m", true}), Attr.Exists({"m", "Missing"}), Attr.Exists({99, "Rate"}))
print(Attr.Exists({m, "Rate"}), Attr.Exists({m + 0.9, "Rate"}), Attr.Exists({"m", "Rate", "x"}), Attr.Exists({"m", "Rate", {}}))
print(Attr.Exists({"m", "Rate", 0, "x"}), Attr.Exists({"m", "Rate", 0, {}}))
print(Attr.Exists("nobody.Rate"), Attr.Exists("h.Rate"), Attr.Exists("m.Missing"), Attr.Exists(true),
      Attr.Exists("m.Rate[ 3 ]"), select("#", Attr.Get()), select("#", Attr.Get(true)))

-- Adding, listing in byte order, deleting.
print(Attr.Add("m", "Rate", "int"), Attr.Add("m", "V", "vector"), Attr.Add("m", "L", "vector<int>"),
      Attr.Add("h", "X", "int"), Attr.Add("nobody", "X", "int"), Attr.Add("m", "X", "nonsense"),
      Attr.Add("m", 5, "int"), select("#", Attr.Add("m", "Y")))
Attr.Add("m", "alpha", "int")
Attr.Add("m", "Alpha", "string")
print(table.concat(Attr.List("m"), " "), table.concat(Attr.List(m), " "), table.getn(Attr.List("h")), Attr.Type({"m", 5}))
Attr.Delete({"m", "alpha"}) Attr.Delete("m.Alpha[4]") Attr.Delete("m.Nothing") Attr.Delete("nobody.x") Attr.Delete({"h", "x"})
print(table.concat(Attr.List("m"), " "))

-- Calls that raise.
for _, row in ipairs({{"Attr.Exists(mRate)", Attr.Exists, "mRate"}, {"Attr.Add(m, Y, true)", Attr.Add, "m", "Y", true},
                      {"Attr.List(nobody)", Attr.List, "nobody"}, {"Attr.List(true)", Attr.List, true},
                      {"Attr.List()", Attr.List}, {"Attr.Delete({m})", Attr.Delete, {"m"}},
                      {"Attr.Delete({m, Rate, x})", Attr.Delete, {"m", "Rate", "x"}},
                      {"Attr.Delete({m, {}})", Attr.Delete, {"m", {}}}, {"Attr.Delete(mRate)", Attr.Delete, "mRate"},
                      {"Attr.Delete()", Attr.Delete}, {"Attr.Exists()", Attr.Exists},
                      {"Attr.IsArray(m.L, 2)", Attr.IsArray, "m.L", 2}, {"Attr.Size()", Attr.Size},
                      {"Attr.Type()", Attr.Type}, {"Attr.Resize(m.L)", Attr.Resize, "m.L"},
                      {"Attr.Resize(m.L, x)", Attr.Resize, "m.L", "x"}, {"Attr.Type(m.Missing)", Attr.Type, "m.Missing"}}) do
  print(row[1] .. ": " .. select(2, pcall(unpack(row, 2))))
end

-- An unreadable path ends the script.
Attr.Get("m.Rate[-1]")
print("not reached")
