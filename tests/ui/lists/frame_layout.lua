dofile("prelude.lua")

-- A frame layout on the desktop holding a button. Its toggle box is the
-- 12-pixel square 2 pixels in from the right end of the header: (386, 102)
-- on the screen.
function pressed(name) show("command", name) end

frame = luiFrameLayout{n = "frame", l = "Frame", x = 100, y = 100, w = 300, h = 200}
ok = luiButton{n = "ok", l = "OK", c = "pressed", x = 20, y = 40, w = 80, h = 25}
luiSetParent("..")
show(luiGetParent(ok), luiGetSize(frame))

local function click(x, y) Runner.Press(x, y) Runner.Release(x, y) end
local function clickOk() click(150, 150) end
local function toggle() click(392, 108) end

-- Each frame reports what the last one's gestures did, then sends the next.
gestures = {
  clickOk,
  -- Collapsed, the frame keeps its size but passes no click to the button.
  function() toggle() clickOk() end,
  function() show(luiGetSize(frame)) toggle() clickOk() end,
}
step = 0
AddIdleString([[
  step = step + 1
  show("frame", step)
  if gestures[step] then gestures[step]() else print("<end>") end
]])
