-- Chooses every entry of the shipped start menu through the pointer: Start,
-- then a first-level row, then (for a folder) a row of the level it opens.
-- The test mirrors the menu's tree with scripts that print their own path, so
-- each choice shows which file it ran. `menu` (from menu.lua) lists the first
-- level as {name, {files}} for folders and a name for files, in menu order.
dofile("menu.lua")

-- Rows are 17 pixels high after 5 pixels of padding; a level is 17 n + 10
-- high. The first level stands on the bar's top edge at y 741; a folder's
-- level has its bottom at the bottom of the row that opened it.
local rowHeight, padding, barTop = 17, 5, 741
local firstTop = barTop - (rowHeight * table.getn(menu) + 2 * padding)
local function firstRowTop(i) return firstTop + padding + rowHeight * (i - 1) end
local function levelRowTop(i, count, j)
  local bottom = firstRowTop(i) + rowHeight
  return bottom - (rowHeight * count + 2 * padding) + padding + rowHeight * (j - 1)
end
local function click(x, y) Runner.Move(x, y) Runner.Press(x, y) Runner.Release(x, y) end

choices = {}
for i, entry in ipairs(menu) do
  if type(entry) == "table" then
    local files = entry[2]
    for j = 1, table.getn(files) do
      table.insert(choices, function()
        click(50, 754) click(40, firstRowTop(i) + 8) click(150, levelRowTop(i, table.getn(files), j) + 8)
      end)
    end
  else
    table.insert(choices, function() click(50, 754) click(40, firstRowTop(i) + 8) end)
  end
end

step = 0
AddIdleString([[
  step = step + 1
  if choices[step] then choices[step]() elseif step == table.getn(choices) + 1 then print("==") end
]])
