dofile("prelude.lua")
dofile("controls_prelude.lua")
dofile("editors_prelude.lua")

-- A script editor 400x400: six buttons 27 square along the top, the Execute
-- button after them, the result view above the code editor (each 160 high),
-- the check box at the bottom. It leaves the current parent alone.
local editor = luiScriptEditor{x = 100, y = 100, w = 400, h = 400, label = "Scripts"}
windows[editor] = true
show(editor, luiGetParent(editor), luiGetParent(luiButton{}))
show(luiListChildren(editor))
for _, part in ipairs({"scriptEd_New", "scriptEd_Cut", "scriptEd_Execute", "scriptEd_Result",
    "scriptEd_Text", "scriptEd_Syntax"}) do
  local x, y = luiGetPosition(part)
  show(part, x, y, luiGetSize(part))
end
show(luiGetLabel("scriptEd_Execute"), luiGetLabel("scriptEd_Syntax"), luiGetInt("scriptEd_Syntax"))

-- The code text, through the editor itself.
local function code() return texts(luiGetString(editor)) end
local function resultHas(text)
  return texts(string.find(luiGetString("scriptEd_Result"), text, 1, true) ~= nil)
end
local LEFT, RIGHT, UP, DOWN = 100, 102, 101, 103

-- The text starts 12 pixels into the code editor and 1 down; lines are 13 apart.
runSteps({
  {"typed into the code editor", function()
    clickOn("scriptEd_Text", 13, 5)
    Runner.Key("print('a')\r\tb = 2")
  end, code},
  {"five shift+left, Copy, a click at the end of the first line, Paste", function()
    for i = 1, 5 do Runner.SpecialKey(LEFT, "shift") end
    clickOn("scriptEd_Copy", 13, 13)
    clickOn("scriptEd_Text", 300, 5)
    clickOn("scriptEd_Paste", 13, 13)
  end, code},
  {"a click at the start, shift+down, Cut, Paste twice", function()
    clickOn("scriptEd_Text", 13, 5)
    Runner.SpecialKey(DOWN, "shift")
    clickOn("scriptEd_Cut", 13, 13)
    clickOn("scriptEd_Paste", 13, 13)
    clickOn("scriptEd_Paste", 13, 13)
  end, code},
  {"up, right, backspace, delete; escape lets it go, so a key sent away is lost", function()
    clickOn("scriptEd_Text", 13, 18)
    Runner.SpecialKey(UP)
    Runner.SpecialKey(RIGHT)
    Runner.Key("\b\127\27")
    Runner.Move(900, 700)
    Runner.Key("q")
  end, code},
  {"New empties it", function() clickOn("scriptEd_New", 13, 13) end, code},
  {"Execute runs it", function()
    luiSetString(editor, 'print("executed " .. 6 * 7)')
    clickOn("scriptEd_Execute", 20, 13)
  end, code},
  {"a line printed shows in the result view the next frame", function()
    print("a line of output")
  end, function() return resultHas("a line of output") end},
  {"the check box turns highlighting off", function()
    clickOn("scriptEd_Syntax", 10, 12)
  end, function() return texts(luiGetInt("scriptEd_Syntax")) end},
})
