dofile("prelude.lua")

-- Four windows, A to D, one over the other at (300, 100), each holding a
-- button at (20, 20) of its client area that prints its window's name: a
-- click at (330, 145) reaches the button of the front-most window that is
-- not minimised. Each window says when it is destroyed.
function pressed(name) print("  " .. luiGetLabel(name) .. " pressed") end
function closed(name) print("  " .. name .. " destroyed") end
for _, name in ipairs({"A", "B", "C", "D"}) do
  luiWindow{n = name, l = name, x = 300, y = 100, w = 300, h = 200, ondestroy = "closed"}
  -- A new window is where the next controls go.
  luiButton{n = "in " .. name, l = name, x = 20, y = 20, c = "pressed"}
  print("button in " .. luiGetParent("in " .. name))
  luiSetParent("..")
end
local function spot() click(330, 145) end
-- The close button of a window there: the last 12 pixels but 2 of its title bar.
local function close() click(592, 108) end

-- With four tasks on the 1024-pixel bar each task button is 100 wide, from
-- x 120 with 5 pixels between them, along the bar's middle (y 754).
local function task(index) click(120 + 105 * index + 50, 754) end

-- The clock, and the window it is created in.
luiWindow{n = "E", l = "E", x = 700, y = 100}
local clock = luiClock{}
print("clock in " .. luiGetParent(clock) .. " at " .. table.concat({luiGetPosition(clock)}, ",")
      .. ", " .. table.concat({luiGetSize(clock)}, "x"))
luiSetParent("..")
luiDestroy("E")
print("clock there after its window went: " .. tostring(exists(clock)))

runSteps({
  {"the front window", spot},
  {"D's task (the active one), then the same place", function() task(3) spot() end},
  {"D's task again, then the same place", function() task(3) spot() end},
  {"D's task twice, then the same place", function() task(3) task(3) spot() end},
  {"B's task, then the same place", function() task(1) spot() end},
  {"B's task again, then the same place", function() task(1) spot() end},
  -- Closing a window runs its ondestroy and takes its task button away.
  {"D's close button, then the same place", function() close() spot() end},
  {"A's task, left active", function() task(0) end},
})
