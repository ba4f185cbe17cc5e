dofile("prelude.lua")

-- A list box of twenty items at (100, 100), 82 high with rows 14 high from
-- 4 pixels in, its scroll bar along the right edge from x 210.
function picked(name) show("picked", name, luiGetSelectedItems(name)) end
local items = {}
for i = 1, 20 do items[i] = "item " .. i end
list = luiListBox{n = "list", c = "picked", x = 100, y = 100, w = 120, items = items}
-- A combo box at (300, 100), 24 high, its drop-down rows 16 high below it.
-- Its creator takes no command: the frames show its selection.
combo = luiComboBox{n = "combo", x = 300, y = 100, w = 120, items = {"red", "green", "blue"}}
-- A frame layout holding a button; its toggle box is the 12-pixel square
-- 2 pixels in from the right end of the header, from (786, 402).
frame = luiFrameLayout{n = "frame", l = "Frame", x = 500, y = 400, w = 300, h = 200}
ok = luiButton{n = "ok", l = "OK", c = "picked", x = 20, y = 40, w = 80, h = 25}
luiSetParent("..")
show(luiGetSize(list))
show(luiGetSize(combo))

local function click(x, y) Runner.Press(x, y) Runner.Release(x, y) end
local function dropDownRow(row) return 100 + 24 + row * 16 + 8 end
local function clickOk() click(550, 450) end
local function toggle() click(792, 408) end

-- Each frame reports what the last one's gestures did, then sends the next.
gestures = {
  function() click(150, 100 + 4 + 2 * 14 + 7) end,
  -- A press on the track below the thumb scrolls by 30 percent of the 206
  -- pixels of rows that do not fit: the top row is now the fifth item.
  function() click(215, 150) click(150, 110) end,
  -- The thumb dragged to the end brings the last row to the bottom.
  function()
    Runner.Press(215, 130) Runner.Move(215, 700) Runner.Release(215, 700)
    click(150, 176)
  end,
  -- Ctrl-clicks add a row to the selection and take a chosen one out again.
  function() Runner.Press(150, 162, 0, "ctrl") Runner.Release(150, 162, 0, "ctrl") end,
  function() Runner.Press(150, 176, 0, "ctrl") Runner.Release(150, 176, 0, "ctrl") end,
  -- The combo box opens on a click and closes when an item is chosen: the
  -- same place then holds nothing to choose.
  function() click(350, 110) end,
  function() click(350, dropDownRow(2)) end,
  function() click(350, dropDownRow(0)) end,
  -- Collapsed, the frame keeps its size but passes no click to the button.
  function() clickOk() toggle() clickOk() end,
  function() show(luiGetSize(frame)) toggle() clickOk() end,
}
step = 0
AddIdleString([[
  step = step + 1
  show("frame", step, luiGetSelectedItems(combo))
  if gestures[step] then gestures[step]() else print("<end>") end
]])
