dofile("prelude.lua")

-- The working folder holds this menu (the test places it):
--   startmenu/Effects/Deep/Inner.lua, startmenu/Effects/Sparks.lua,
--   startmenu/Empty/.keep, startmenu/Hello.lua,
--   and startmenu/notes.txt, startmenu/xlua, startmenu/.hidden.lua, which never show.
-- Each script prints its own name when it runs.

-- The bar along the bottom of the 1024x768 screen, 27 high, and its button.
print("bar at " .. table.concat({luiGetPosition("")}, ",") .. ", "
      .. table.concat({luiGetSize("")}, "x"))
print("button " .. luiGetLabel("Start") .. " at " .. table.concat({luiGetPosition("Start")}, ",")
      .. ", " .. table.concat({luiGetSize("Start")}, "x") .. ", in bar \"" .. luiGetParent("Start") .. "\"")

-- Entries are 17 pixels high below 5 pixels of padding. The first level
-- (Effects, Empty, Hello) is 61 high on the bar's top edge at y 741: 108
-- wide, its rows from y 685. Effects opens the second level (Deep, Sparks),
-- 44 high, from x 108, its bottom level with the bottom of the Effects row
-- (702), so its rows start at 663. Deep opens the third (Inner), 27 high,
-- from x 174 with its bottom at the bottom of the Deep row (680): its row
-- starts at 658. Empty opens a level with no rows, 30 wide and 10 high,
-- from x 108 with its bottom at the bottom of the Empty row (719).
local function row(first, index) return first + 17 * index + 8 end
local function start() click(50, 754) end
local function effects() click(50, row(685, 0)) end
local function empty() click(50, row(685, 1)) end
local function hello() click(50, row(685, 2)) end
local function deep() click(130, row(663, 0)) end
local function sparks() click(130, row(663, 1)) end
local function inner() click(200, row(658, 0)) end

runSteps({
  {"Start, Effects, Sparks", function() start() effects() sparks() end},
  {"the same place again, with the menu closed", sparks},
  {"Start, Effects, Deep, Inner", function() start() effects() deep() inner() end},
  {"Start, Hello", function() start() hello() end},
  {"Start, Empty, a press on its empty level, then Hello", function()
    start() empty() click(120, 714) hello()
  end},
  {"Start pressed twice, then Hello", function() start() start() hello() end},
  {"Start, Effects, then Effects again and Sparks", function()
    start() effects() effects() sparks()
  end},
  {"Start, then left open with the pointer over Hello", function()
    start()
    Runner.Move(50, row(685, 2))
  end},
})
