dofile("prelude.lua")

-- Controls without a range report wide bounds and ignore new ones.
local b = luiButton{}
show(luiGetMax(b), luiGetMin(b), luiGetStep(b))
luiSetMax(b, 5) luiSetMin(b, 1) luiSetStep(b, 2)
show(luiGetMax(b), luiGetMin(b), luiGetStep(b))

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
