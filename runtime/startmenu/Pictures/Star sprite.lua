-- Star sprite: ImageDraw draws a loaded picture from an idle script, over
-- everything else on the screen.
--
-- In idle scripts alpha means transparency, as with SetTransparent: 0 is solid,
-- 255 lets the desktop show through. star.png was saved that way, so only its
-- star shows. A picture without alpha counts as fully transparent there: a BMP
-- drawn this way is invisible (image views in windows show any picture).
--
-- ImageDraw(id, x, y) starts the picture at the point (x, y + its height in
-- pixels), made for frames counted in pixels. The idle frame counts whole
-- units instead (x from -10 to 10, y from 0 to 16, about 50 pixels each), so
-- star_draw takes the height off again: the star's lower left corner lands on
-- (x, y), which must be whole numbers. That is why the stars hop.
--
-- Try: change star_places, or the speed of the hopping star.

star_picture = ImageLoad("media/star.png")
local _, height = ImageGetSize(star_picture)
star_height = height
function star_draw(x, y) ImageDraw(star_picture, x, y - star_height) end

star_places = {{-8, 8}, {-5, 7}, {-1, 9}, {3, 7}, {7, 8}}
star_time = 0
-- Run again, the example starts afresh: closing its window stops its drawing.
if star_window then luiDestroy(star_window) end
star_idle = AddIdleString([[
  star_time = star_time + FrameTime()
  for i = 1, table.getn(star_places) do
    -- Each star blinks off for a moment in turn.
    if math.mod(math.floor(star_time * 2) + i, 5) ~= 0 then
      star_draw(star_places[i][1], star_places[i][2])
    end
  end
  -- One star hops along the sky, a step every half second.
  star_draw(math.mod(math.floor(star_time * 2), 18) - 9, 5)
]])

function star_switch(box)
  if luiGetInt(box) == 1 then EnableIdleScript(star_idle) else DisableIdleScript(star_idle) end
end
function star_closed() DisableIdleScript(star_idle) end
star_window = luiWindow{label = "Star sprite", x = 760, y = 160, w = 254, h = 80,
                        ondestroy = "star_closed"}
luiCheckBox{label = "Show the stars", value = 1, x = 8, y = 10, w = 200, command = "star_switch"}
luiSetParent("..")
