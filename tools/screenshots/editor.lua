-- The script editor with its output: a short script is typed into it, run with
-- "Execute!", and what it prints shows in the upper pane on the next frame.
local code = [[
-- Squares and a greeting, printed to stdout.log
for i = 1, 6 do
  print(string.format("%d squared is %d", i, i * i))
end
print("Hello from the script editor!")
]]
local editor = luiScriptEditor{label = "Script editor", value = code, x = 150, y = 60, w = 700, h = 560}
local windowX, windowY = luiGetPosition(editor)
local buttonX, buttonY = luiGetPosition("scriptEd_Execute")
-- Children sit below the 18-pixel title bar of their window.
local x, y = windowX + buttonX + 20, windowY + 18 + buttonY + 10
Runner.Move(x, y) Runner.Press(x, y) Runner.Release(x, y)
