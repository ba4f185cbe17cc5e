-- Clock and colours: a clock control, and the colour scheme every control is
-- drawn with. The scheme has 13 entries (LUI_COLOR_3D_OBJECTS,
-- LUI_COLOR_TITLE1 ...); luiGetColor reads one as red, green and blue from 0
-- to 1, luiSetColor changes it for every control on the screen at once.
--
-- Try: make your own scheme in colour_schemes, or print luiColorAsString(i)
-- for i = 0 to 12 to see every entry's name.

-- The scheme as it is now, kept the first time so "Original" can restore it.
if not colour_original then
  colour_original = {}
  for i = 0, 12 do colour_original[i] = {luiGetColor(i)} end
end
colour_schemes = {
  Sunset = {[LUI_COLOR_3D_OBJECTS] = {0.98, 0.85, 0.7}, [LUI_COLOR_TITLE1] = {0.6, 0.1, 0.1},
            [LUI_COLOR_TITLE2] = {1, 0.6, 0.2}, [LUI_COLOR_HIGHLIGHT] = {1, 0.93, 0.8}},
  Forest = {[LUI_COLOR_3D_OBJECTS] = {0.8, 0.9, 0.78}, [LUI_COLOR_TITLE1] = {0.05, 0.3, 0.1},
            [LUI_COLOR_TITLE2] = {0.4, 0.75, 0.35}, [LUI_COLOR_HIGHLIGHT] = {0.88, 1, 0.85}},
  Original = colour_original,
}

function colour_apply(button)
  local scheme = colour_schemes[luiGetLabel(button)]
  for index, rgb in pairs(scheme) do
    luiSetColor(index, rgb[1], rgb[2], rgb[3])
    print(luiColorAsString(index) .. " is now " .. table.concat(rgb, " "))
  end
end

luiWindow{label = "Clock and colours", x = 420, y = 420, w = 260, h = 130}
luiClock{x = 8, y = 8, w = 110, h = 50}
luiText{label = "Colour scheme:", x = 130, y = 8, w = 120}
local names = {"Sunset", "Forest", "Original"}
for i = 1, table.getn(names) do
  luiButton{label = names[i], x = 8 + (i - 1) * 82, y = 80, w = 78, command = "colour_apply"}
end
luiSetParent("..")
