dofile("prelude.lua")

-- Sliders on the desktop, 208 pixels long: the pointer travels 200 pixels
-- from 4 pixels in, so each pixel moves the float slider by 0.005.
function changed(name) show("command", name, luiGetFloat(name)) end

f = luiFloatSlider{c = "changed", n = "f", x = 100, y = 100, w = 208, h = 25}
-- The int slider's creator takes no command.
i = luiIntSlider{n = "i", x = 100, y = 200, w = 208, h = 25, min = -10, max = 10, v = 0}
show(luiGetMin(f), luiGetMax(f), luiGetStep(f), luiGetFloat(f))
show(luiGetMin(i), luiGetMax(i), luiGetStep(i), luiGetInt(i))

-- Each frame reports what the last one's gesture did, then sends the next.
gestures = {
  -- A press only takes the pointer; each drag sets the value (only x counts)
  -- and runs the command, up to the end of the range.
  function() Runner.Press(130, 110) Runner.Move(154, 300) Runner.Move(900, 110)
             Runner.Release(900, 110) end,
  -- The int slider truncates toward zero: -5.5 gives -5.
  function() Runner.Press(149, 210) Runner.Move(149, 210) Runner.Release(149, 210) end,
  -- A drag begun on the desktop passes over a slider without moving it.
  function() Runner.Press(50, 400) Runner.Move(120, 110) Runner.Release(120, 110) end,
}
step = 0
AddIdleString([[
  step = step + 1
  show("frame", step, luiGetFloat(f), luiGetInt(i))
  if gestures[step] then gestures[step]() else print("<end>") end
]])
