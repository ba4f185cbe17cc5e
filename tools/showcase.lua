-- Shown when scriptdesk runs without a display, and the README's first
-- screenshot: a window of controls, the script editor on an example, and the
-- start menu open on its folders with the Particles folder unfolded.
dofile("startmenu/Controls/Buttons and fields.lua")
dofile("startmenu/Editors/Script editor.lua")
local function click(x, y) Runner.Move(x, y) Runner.Press(x, y) Runner.Release(x, y) end
click(58, 754)
-- The fifth row of the first level, a few frames later once the menu is open.
frame = 0
AddIdleString([[
  frame = frame + 1
  if frame == 2 then Runner.Move(40, 675) Runner.Press(40, 675) Runner.Release(40, 675) end
]])
