-- Calls every function the system registers, as globals or in library
-- tables, with hostile arguments: wrong counts, NaN, infinities, huge
-- numbers, megabyte strings, folders, /dev/zero, damaged files of every
-- format, tables and functions. Then a few frames run over whatever the calls
-- made. The run must end normally.
local standard = dofile("standard.lua")
local files = dofile("files.lua")

local values, count = {}, 0
local function add(v) count = count + 1 values[count] = v end
add(nil) add(true) add(false)
add(0) add(-1) add(1) add(0.5) add(-0.5) add(7) add(255) add(65535) add(65536)
add(2^31 - 1) add(2^31) add(-2^31) add(-2^31 - 1) add(2^32) add(2^53) add(1e300) add(-1e300)
add(1 / 0) add(-1 / 0) add(0 / 0)
add("") add("x") add("123") add("-5") add("0x7fffffff") add("1e300") add("nan")
add(string.rep("a", 2^20)) add("a\0b") add("/dev/zero") add("/") add(".") add("..")
add("startmenu") add("no such file") add("main") add("..\\..")
add({}) add({name = "main"}) add({1, 2, 3}) add({n = "x", c = "print", items = {"a", 7}})
add(function() end) add(coroutine.create(function() end))

-- Everything registered that a bare interpreter with the same standard
-- libraries does not have.
local targets = {}
for name, value in pairs(_G) do
  if type(name) == "string" then
    if type(value) == "function" and not standard[name] then
      targets[#targets + 1] = {name, value}
    elseif type(value) == "table" and value ~= _G then
      for field, member in pairs(value) do
        local full = name .. "." .. tostring(field)
        if type(member) == "function" and not standard[full] then
          targets[#targets + 1] = {full, member}
        end
      end
    end
  end
end
table.sort(targets, function(a, b) return a[1] < b[1] end)

-- Each function keeps only the first few windows and nodes it made: frames
-- over tens of thousands of windows, and lookups by name among tens of
-- thousands of nodes, would take the suite minutes.
-- Names need not be unique, so a name may be gone by the time it is asked for.
local function isTopLevel(name)
  local found, parent = pcall(luiGetParent, name)
  return found and parent == "main"
end
local function topLevel()
  local names = {}
  for _, name in ipairs(luiList()) do
    if isTopLevel(name) then names[name] = true end
  end
  return names
end
local function keepFirstFew(before)
  local kept = 0
  for _, name in ipairs(luiList()) do
    if not before[name] and isTopLevel(name) then
      kept = kept + 1
      if kept > 3 then luiDestroy(name) end
    end
  end
end

local function keepFirstNodes(before)
  local names = Node.List()
  for i = table.getn(names), before + 6, -1 do Node.Delete(names[i]) end
end

local calls = 0
local function try(f, ...)
  calls = calls + 1
  pcall(f, ...)
end

for _, target in ipairs(targets) do
  local name, f = target[1], target[2]
  print("chaos: " .. name)
  io.flush()
  luiSetParent("main")
  local before, nodesBefore = topLevel(), table.getn(Node.List())
  try(f)
  try(f, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1)
  for i = 1, count do
    local v = values[i]
    try(f, v)
    try(f, v, v)
    try(f, v, 1, 1)
    try(f, 1, v)
    try(f, "x", v)
    try(f, v, v, v, v, v)
  end
  for _, path in ipairs(files) do
    try(f, path)
    try(f, path, 64, 64)
  end
  keepFirstFew(before)
  keepFirstNodes(nodesBefore)
end
print("chaos: " .. #targets .. " functions, " .. calls .. " calls made")

frame = 0
AddIdleString("frame = frame + 1 print('chaos: frame ' .. frame)")
