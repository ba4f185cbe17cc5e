-- Shapes: every drawing function, drawn by an idle script. Idle scripts run
-- once a frame after everything else is drawn, so their shapes lie on top.
-- Anything drawn outside an idle script is gone by the next frame.
--
-- The idle frame runs from x = -10 (left edge) to 10 (right edge) and from
-- y = 0 (bottom) to 16 (top). These shapes fill the lower left part of it.
-- Squares and rectangles start at their lower left corner; circles are given
-- by their centre and radius.
--
-- Try: change colours with SetForeground(red, green, blue), each 0 to 1, or
-- move the slider to change the width of the outlines.

shapes_width = 2
-- Run again, the example starts afresh: closing its window stops its drawing.
if shapes_window then luiDestroy(shapes_window) end
shapes_idle = AddIdleString([[
  SetTransparent(0)
  SetForeground(1, 1, 1)                 -- points, 1 to 6 pixels across
  for size = 1, 6 do
    SetPointSize(size)
    DrawPoint(-9.5 + size * 0.5, 7)
  end
  SetForeground(1, 0.9, 0.2)             -- lines, 1 to 4 pixels wide
  for width = 1, 4 do
    SetLineWidth(width)
    DrawLine(-6, 6.1 + width * 0.3, -1, 6.4 + width * 0.3)
  end
  SetLineWidth(shapes_width)             -- outlines: square, rectangle, circle
  SetForeground(0.3, 0.7, 1)
  DrawWireSquare(-9.5, 3.5, 2)
  DrawWireRectangle(-7, 3.5, 3, 2)
  DrawWireCircle(-2.5, 4.5, 1)
  SetForeground(1, 0.45, 0.35)           -- the same shapes filled
  DrawFilledSquare(-9.5, 1, 2)
  DrawFilledRectangle(-7, 1, 3, 2)
  DrawFilledCircle(-2.5, 2, 1)
]])

function shapes_switch(box)
  if luiGetInt(box) == 1 then EnableIdleScript(shapes_idle) else DisableIdleScript(shapes_idle) end
end
function shapes_set_width(slider) shapes_width = luiGetInt(slider) end
function shapes_closed() DisableIdleScript(shapes_idle) end

shapes_window = luiWindow{label = "Shapes", x = 10, y = 312, w = 240, h = 100,
                          ondestroy = "shapes_closed"}
luiCheckBox{label = "Draw the shapes", value = 1, x = 8, y = 6, w = 220, command = "shapes_switch"}
luiText{label = "Outline width", x = 8, y = 40, w = 100}
luiIntSlider{min = 1, max = 8, value = shapes_width, x = 108, y = 40, w = 120,
             command = "shapes_set_width"}
luiSetParent("..")
