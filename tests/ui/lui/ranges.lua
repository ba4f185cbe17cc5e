dofile("prelude.lua")

-- Controls without a range report wide bounds and ignore new ones.
local b = luiButton{}
show(luiGetMax(b), luiGetMin(b), luiGetStep(b))
luiSetMax(b, 5) luiSetMin(b, 1) luiSetStep(b, 2)
show(luiGetMax(b), luiGetMin(b), luiGetStep(b))

-- Sliders: the creator's keys and the setters follow the slider's rules.
local f = luiFloatSlider{min = -1, max = 3, step = -0.5}
show(luiGetMin(f), luiGetMax(f), luiGetStep(f), luiGetFloat(f))
local i = luiIntSlider{minimum = 2.9, maximum = 10.9, st = -3.7, v = 7.5}
show(luiGetMin(i), luiGetMax(i), luiGetStep(i), luiGetInt(i))
-- A minimum above the maximum drags the maximum (and the value) up with it.
luiSetMin(f, 5)
show(luiGetMin(f), luiGetMax(f), luiGetFloat(f))
luiSetMax(i, 1.8)
show(luiGetMin(i), luiGetMax(i), luiGetInt(i))
luiSetStep(f, -0.25)
luiSetStep(i, 4.6)
show(luiGetStep(f), luiGetStep(i))
-- The default widens the range to take it in.
local d = luiFloatSlider{def = 2}
show(luiGetMin(d), luiGetMax(d))
-- A table naming the slider is the slider.
show(luiGetFloat({name = f}) == luiGetFloat(f), luiGetInt({name = i}))

-- Slider groups: their slider's range; the label is also the caption's.
local group = luiFloatSliderGrp{l = "Speed", min = -2, max = 4, st = 0.5, c = "changed"}
local parts = luiListChildren(group)
show(luiGetMin(group), luiGetMax(group), luiGetStep(group), luiGetLabel(group), luiGetLabel(parts[2]))
luiSetMax(group, 8)
show(luiGetMax(group), luiGetMax(parts[4]))
local intGroup = luiCreate(LUI_INT_SLIDER_GRP, "counts")
luiSetStep(intGroup, 2.7)
show(luiGetMin(intGroup), luiGetMax(intGroup), luiGetStep(intGroup))

-- The float shake keeps its range as given.
local shake = luiCreate(LUI_FLOAT_SHAKE, "shake")
show(luiGetMin(shake), luiGetMax(shake), luiGetStep(shake))
luiSetMin(shake, -2) luiSetMax(shake, -3) luiSetStep(shake, -0.5)
show(luiGetMin(shake), luiGetMax(shake), luiGetStep(shake))

for _, name in ipairs({"Max", "Min", "Step"}) do
  local get, set = _G["luiGet" .. name], _G["luiSet" .. name]
  try("luiGet" .. name .. "()", get)
  try("luiGet" .. name .. "(nobody)", get, "nobody")
  try("luiSet" .. name .. "(b)", set, b)
  try("luiSet" .. name .. "(b, x)", set, b, "x")
  try("luiSet" .. name .. "({}, 1)", set, {}, 1)
  try("luiSet" .. name .. "(nobody, 1)", set, "nobody", 1)
end
print("<end>")
