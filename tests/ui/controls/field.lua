dofile("prelude.lua")

function edited(name) print("  command " .. name .. " '" .. luiGetString(name) .. "'") end
-- Six pixels a character, the text 4 pixels in from x 100.
local field = luiTextField{x = 100, y = 100, w = 200, h = 24, v = "hello world", c = "edited"}
local function text() return "'" .. luiGetString(field) .. "'" end
local int = luiIntField{x = 100, y = 200, w = 200, h = 24}

local LEFT, RIGHT, INSERT = 100, 102, 108
local function press(code, modifiers, times)
  for i = 1, times or 1 do Runner.SpecialKey(code, modifiers) end
end

runSteps({
  {"the first click selects all and typing replaces it", function()
    click(150, 110)
    Runner.Key("Hi")
  end, text},
  {"a second click puts the cursor after the first character", function()
    click(110, 110)
    Runner.Key("e")
  end, text},
  {"cut and paste with nothing ever copied", function()
    Runner.Key("x", "ctrl")
    Runner.Key("v", "ctrl")
  end, text},
  {"shift+right selects the next character, typing replaces it", function()
    press(RIGHT, "shift")
    Runner.Key("y")
  end, text},
  {"ctrl+A, ctrl+C, right to the end, ctrl+V", function()
    Runner.Key("ac", "ctrl")
    press(RIGHT)
    Runner.Key("v", "ctrl")
  end, text},
  {"shift+left twice, ctrl+X", function()
    press(LEFT, "shift", 2)
    Runner.Key("x", "ctrl")
  end, text},
  {"insert, three left, typing overwrites", function()
    press(INSERT)
    press(LEFT, nil, 3)
    Runner.Key("EY")
    press(INSERT)
  end, text},
  {"ctrl+left past the start, ctrl+V", function()
    press(LEFT, "ctrl", 9)
    Runner.Key("v", "ctrl")
  end, text},
  {"enter", function() Runner.Key("\r") end, text},
  {"a click to focus again, a press elsewhere", function()
    click(150, 110)
    click(600, 600)
  end, text},
  {"keys after the focus is gone", function() Runner.Key("q") end, text},
  {"too many digits for an integer field", function()
    click(110, 210)
    Runner.Key("99999999999")
  end, function() return luiGetInt(int) end},
})
