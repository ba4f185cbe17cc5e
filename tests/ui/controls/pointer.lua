dofile("prelude.lua")

-- Sizes stop at each type's smallest: a caption of five 6-pixel characters.
local function size(name) return table.concat({luiGetSize(name)}, "x") end
for _, kind in ipairs({"BUTTON", "ARROW_BUTTON", "CHECKBOX", "ICON_BUTTON"}) do
  local small = luiCreate(_G["LUI_" .. kind], "small")
  luiSetLabel(small, "Hello")
  luiSetSize(small, 1, 1)
  print("smallest " .. kind .. ": " .. size(small))
  luiDestroy(small)
end

-- A button and a check box.
function pressed(name) print("  command " .. name) end
function toggled(name) print("  command " .. name .. ", checked " .. luiGetInt(name)) end
local button = luiButton{label = "Go", x = 100, y = 100, w = 80, h = 25, c = "pressed"}
local box = luiCheckBox{label = "Check", x = 100, y = 200, c = "toggled"}
local function buttons() return "button " .. luiGetInt(button) .. ", box " .. luiGetInt(box) end

-- A scroll bar, vertical, 20 wide and 200 long at (600, 100): arrows 20 long
-- at both ends; the thumb, 33.6 pixels long, travels 112 of the 160 between them.
local bar = luiCreate(LUI_SCROLL_BAR, "bar")
print("a new scroll bar: " .. size(bar))
luiSetPosition(bar, 600, 100)
luiSetSize(bar, 20, 200)
local function position() return luiGetFloat(bar) end

-- A float shake at (100, 300), starting at 0.5 and stepping by 0.01.
local shake = luiCreate(LUI_FLOAT_SHAKE, "shake")
luiSetPosition(shake, 100, 300)
local function shaken() return luiGetString(shake) end
local MIDDLE = 1

runSteps({
  {"pressed, dragged off and released outside", function() drag(120, 110, 300, 300) end, buttons},
  {"dragged off and back before the release", function()
    Runner.Move(120, 110)
    Runner.Press(120, 110)
    Runner.Move(300, 300)
    Runner.Move(150, 115)
    Runner.Release(150, 115)
  end, buttons},
  {"pressed on the desktop and released over it", function() drag(500, 500, 120, 110) end, buttons},
  {"the check box clicked", function() click(110, 210) end, buttons},
  {"the check box released elsewhere", function() drag(110, 210, 400, 210) end, buttons},

  {"the far arrow clicked 150 times", function() for i = 1, 150 do click(610, 295) end end, position},
  {"the track before the thumb", function() click(610, 125) end, position},
  {"the near arrow clicked 100 times", function() for i = 1, 100 do click(610, 105) end end, position},
  {"the thumb dragged past the far end", function() drag(610, 130, 610, 700) end, position},
  {"the thumb dragged above the bar", function() drag(610, 250, 610, 20) end, position},
  {"the thumb dragged to half its travel", function() drag(610, 130, 610, 176) end, position},
  {"set to 250, to NaN, then to -5", function()
    luiSetFloat(bar, 250)
    luiSetFloat(bar, 0 / 0)
    print("  " .. luiGetFloat(bar))
    luiSetInt(bar, -5)
  end, position},

  {"middle press, then drags 10 and 20 pixels right", function()
    Runner.Move(120, 310)
    Runner.Press(120, 310, MIDDLE)
    Runner.Move(130, 310)
    Runner.Move(140, 310)
  end, shaken},
  {"a drag 20 pixels left of the press", function() Runner.Move(100, 310) end, shaken},
  {"released, then a left drag", function()
    Runner.Release(100, 310, MIDDLE)
    drag(110, 310, 300, 310)
  end, shaken},
})
