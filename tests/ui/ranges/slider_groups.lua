dofile("prelude.lua")

-- Slider groups in a window at (100, 100): its client area starts below the
-- 16-pixel title bar, so a group at (10, 10) has its origin at (110, 126).
w = luiWindow{x = 100, y = 100, w = 400, h = 200}
g = luiFloatSliderGrp{c = "groupChanged", l = "Size"}
parts = luiListChildren(g)
label, field, slider = parts[2], parts[3], parts[4]
names = {[label] = "label", [field] = "field", [slider] = "slider"}
function groupChanged(name) show("command", names[name], luiGetFloat(name)) end
function report() show(luiGetMin(g), luiGetMax(g), luiGetString(field), luiGetFloat(slider)) end

-- The label, the slider and the field side by side (250 wide: shares of 230).
show(luiGetLabel(g), luiGetLabel(label))
for _, name in ipairs({label, slider, field}) do
  show(names[name], {luiGetPosition(name)}, {luiGetSize(name)})
end

-- The int group, 40 pixels lower, keeps integers in step.
ig = luiCreate(LUI_INT_SLIDER_GRP, "ig")
luiSetPosition(ig, 10, 50)
intField, intSlider = luiListChildren(ig)[3], luiListChildren(ig)[4]

function typeInto(x, y, text) Runner.Press(x, y) Runner.Release(x, y) Runner.Key(text .. "\r") end
-- The float field at (297, 128), 57x21; the slider at (189, 128), 103 wide
-- with 95 pixels of travel.
gestures = {
  -- 7 is past the slider's maximum of 1: the range widens and both show 7.
  function() typeInto(320, 138, "7") end,
  -- Below the minimum, the minimum follows.
  function() typeInto(320, 138, "-3") end,
  -- Dragged 38 pixels in: 0.4 of the way from -3 to 7.
  function() Runner.Press(200, 138) Runner.Move(231, 138) Runner.Release(231, 138) end,
  function() typeInto(320, 178, "250") end,
}
step = 0
AddIdleString([[
  step = step + 1
  report()
  if gestures[step] then gestures[step]() return end
  show(luiGetMin(ig), luiGetMax(ig), luiGetString(intField), luiGetInt(intSlider))
  print("<end>")
]])
