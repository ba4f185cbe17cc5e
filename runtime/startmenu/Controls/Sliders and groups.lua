-- Sliders and groups: controls that choose a number by dragging.
--
-- luiFloatSlider and luiIntSlider take "min", "max", "step" and "value".
-- luiFloatSliderGrp makes a label, a slider and a field that stay in step:
-- type a number into its field and the slider follows (its range widens if
-- need be). Its command is called with the name of the part that changed.
-- A scroll bar (position 0 to 100) and a float shake field (drag it with the
-- middle button) have no creator function: luiCreate makes them by type, and
-- an idle script reads them every frame instead of waiting for a command.
--
-- Try: give the int slider a step of 5, or a float slider "max = 100".

function sliders_show(slider)
  luiSetLabel(sliders_captions[slider], string.format("%g", luiGetFloat(slider)))
end
function sliders_group_changed(part)
  print("The slider group's " .. part .. " now holds " .. luiGetFloat(part))
end

luiWindow{label = "Sliders and groups", x = 350, y = 10, w = 330, h = 300}
sliders_captions = {}
local float = luiFloatSlider{min = 0, max = 1, value = 0.25, x = 10, y = 10, w = 240,
                             command = "sliders_show"}
sliders_captions[float] = luiText{x = 260, y = 10, w = 60}
local int = luiIntSlider{min = 0, max = 20, value = 5, step = 1, x = 10, y = 44, w = 240,
                         command = "sliders_show"}
sliders_captions[int] = luiText{x = 260, y = 44, w = 60}
sliders_show(float)
sliders_show(int)

luiFloatSliderGrp{label = "Speed", min = 0, max = 5, x = 10, y = 84, w = 300,
                  command = "sliders_group_changed"}

luiText{label = "Scroll bar (right):", x = 10, y = 130, w = 150}
sliders_bar = luiCreate(LUI_SCROLL_BAR, "sliders scroll bar")
luiSetPosition(sliders_bar, 296, 124)
luiSetSize(sliders_bar, 16, 140)
luiText{label = "Float shake:", x = 10, y = 170, w = 100}
sliders_shake = luiCreate(LUI_FLOAT_SHAKE, "sliders shake")
luiSetPosition(sliders_shake, 110, 166)
luiSetSize(sliders_shake, 100, 25)
sliders_readout = luiText{x = 10, y = 210, w = 270}
luiSetParent("..")

if sliders_idle then DisableIdleScript(sliders_idle) end  -- run again, the example starts afresh
sliders_idle = AddIdleString([[
  luiSetLabel(sliders_readout, string.format("scroll bar at %d, shake at %.2f",
              luiGetInt(sliders_bar), luiGetFloat(sliders_shake)))
]])
