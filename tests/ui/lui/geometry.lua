dofile("prelude.lua")

local w = luiWindow{}
local b = luiButton{}

-- Labels keep their first 63 characters.
luiSetLabel(b, "Press me")
show(luiGetLabel(b), luiGetLabel(w))
luiSetLabel(b, string.rep("x", 70))
show(string.len(luiGetLabel(b)))
luiSetLabel(b, 42)
show(luiGetLabel(b))
try("luiSetLabel(b)", luiSetLabel, b)
try("luiSetLabel(b, {})", luiSetLabel, b, {})
try("luiSetLabel({}, x)", luiSetLabel, {}, "x")
try("luiSetLabel(nobody, x)", luiSetLabel, "nobody", "x")
try("luiGetLabel()", luiGetLabel)
try("luiGetLabel(nobody)", luiGetLabel, "nobody")

-- Positions and sizes: numbers truncated toward zero; numeric strings count.
luiSetPosition(b, 12.9, -3.5)
show(luiGetPosition(b))
luiSetPosition(b, "7", 8)
show(luiGetPosition(b))
try("luiSetPosition(b, 1)", luiSetPosition, b, 1)
try("luiSetPosition(b, x, 1)", luiSetPosition, b, "x", 1)
try("luiSetPosition(nobody, 1, 1)", luiSetPosition, "nobody", 1, 1)
try("luiGetPosition()", luiGetPosition)
try("luiGetPosition(nobody)", luiGetPosition, "nobody")

show(luiGetSize(w))
luiSetSize(w, 250.7, 120)
show(luiGetSize(w))
try("luiSetSize(w, 1)", luiSetSize, w, 1)
try("luiSetSize(w, 1, {})", luiSetSize, w, 1, {})
try("luiSetSize(nobody, 1, 1)", luiSetSize, "nobody", 1, 1)
try("luiGetSize()", luiGetSize)
try("luiGetSize(nobody)", luiGetSize, "nobody")
print("<end>")
