-- Colours and transparency: three discs in red, green and blue that you can
-- see through. SetForeground(red, green, blue) picks the colour, each part
-- from 0 to 1; SetTransparent(t) how much shows through: 0 is solid, 1 is
-- invisible. Both stay in force until they are set again, and the widgets
-- change the colour too, so an idle script sets its own every frame.
--
-- The black and white bars behind the discs show how much lets through.
--
-- Try: move the slider, or give the discs other colours.

colours_transparency = 0.4
-- Run again, the example starts afresh: closing its window stops its drawing.
if colours_window then luiDestroy(colours_window) end
colours_idle = AddIdleString([[
  SetTransparent(0)
  for i = 0, 3 do
    SetForeground(math.mod(i, 2), math.mod(i, 2), math.mod(i, 2))
    DrawFilledRectangle(0.5 + i * 2.25, 1, 2.25, 1)
  end
  SetTransparent(colours_transparency)
  SetForeground(1, 0, 0)
  DrawFilledCircle(4, 4.8, 1.8)
  SetForeground(0, 1, 0)
  DrawFilledCircle(6, 4.8, 1.8)
  SetForeground(0, 0, 1)
  DrawFilledCircle(5, 3.1, 1.8)
  SetTransparent(0)
]])

function colours_set(slider)
  colours_transparency = luiGetFloat(slider)
  luiSetLabel(colours_caption, string.format("Transparency %.2f", colours_transparency))
end
function colours_closed() DisableIdleScript(colours_idle) end

colours_window = luiWindow{label = "Colours and transparency",
                           x = 520, y = 312, w = 300, h = 80,
                           ondestroy = "colours_closed"}
colours_caption = luiText{x = 6, y = 10, w = 120}
colours_set(luiFloatSlider{min = 0, max = 1, value = colours_transparency, x = 130, y = 10,
                           w = 156, command = "colours_set"})
luiSetParent("..")
