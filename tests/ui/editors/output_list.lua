dofile("prelude.lua")
dofile("controls_prelude.lua")
dofile("editors_prelude.lua")

-- Output reaches the result views of 32 script editors; the 33rd works but
-- shows none. A destroyed editor leaves the list at once: its place goes to
-- the next editor made, and its result view, moved out first, gets nothing.
local editors = {}
for i = 1, 33 do editors[i] = luiScriptEditor{} end
local function resultOf(editor) return luiListChildren(editor)[5] end
local function holds(view, text)
  return string.find(luiGetString(view), text, 1, true) ~= nil
end
local function count(text)
  local n = 0
  for _, editor in pairs(editors) do
    if holds(resultOf(editor), text) then n = n + 1 end
  end
  return n
end
show(resultOf(editors[1]), resultOf(editors[33]), luiGetString(resultOf(editors[33])))

local moved
runSteps({
  {"views showing the first line, and the 33rd", function() print("first line") end,
   function() return texts(count("first line"), holds(resultOf(editors[33]), "first line")) end},
  {"one destroyed, its view kept aside; a 34th made", function()
    moved = resultOf(editors[2])
    luiParent("main", moved)
    luiDestroy(editors[2])
    editors[2] = nil
    editors[34] = luiScriptEditor{}
    print("second line")
  end, function()
    return texts(count("second line"), holds(resultOf(editors[34]), "second line"),
      holds(resultOf(editors[33]), "second line"), holds(moved, "second line"))
  end},
})
