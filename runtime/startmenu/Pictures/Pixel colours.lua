-- Pixel colours: ImageGetPixel reads one pixel of a loaded picture as a table
-- {red, green, blue} of numbers from 0 to 255 ({..., alpha} for RGBA pictures).
-- Move the sliders to pick a pixel; the caption shows its colour and an idle
-- script paints a square of that colour on the window.
--
-- Rows count from the bottom of the picture: y = 0 is its lowest row.
--
-- Try: pick from "media/balloon.bmp", or print the whole table of a pixel.

-- Run again, the example starts afresh: closing its window stops its drawing.
if pixel_window then luiDestroy(pixel_window) end

pixel_picture = ImageLoad("media/balloon.png")
local width, height = ImageGetSize(pixel_picture)

pixel_window = luiWindow{label = "Pixel colours", x = 450, y = 10, w = 300, h = 236,
                         ondestroy = "pixel_closed"}
luiImageView{image = pixel_picture, x = 8, y = 6, w = width, h = height}
luiText{label = "x", x = 8, y = 110, w = 20}
pixel_x = luiIntSlider{min = 0, max = width - 1, value = 64, x = 28, y = 110, w = 250,
                       command = "pixel_pick"}
luiText{label = "y", x = 8, y = 140, w = 20}
pixel_y = luiIntSlider{min = 0, max = height - 1, value = 40, x = 28, y = 140, w = 250,
                       command = "pixel_pick"}
pixel_caption = luiText{x = 8, y = 172, w = 280}
luiSetParent("..")

pixel_colour = {0, 0, 0}
function pixel_pick()
  local x, y = luiGetInt(pixel_x), luiGetInt(pixel_y)
  pixel_colour = ImageGetPixel(pixel_picture, x, y)
  luiSetLabel(pixel_caption, string.format("pixel (%d, %d): red %d, green %d, blue %d",
              x, y, pixel_colour[1], pixel_colour[2], pixel_colour[3]))
end
pixel_pick()

-- Idle scripts draw in a frame 20 wide (x from -10 to 10) and 16 high (y from
-- 0 at the bottom): turn the window's pixel position into that frame.
pixel_idle = AddIdleString([[
  local left, top = luiGetPosition(pixel_window)
  SetForeground(pixel_colour[1] / 255, pixel_colour[2] / 255, pixel_colour[3] / 255)
  SetTransparent(0)
  DrawFilledSquare(-10 + (left + 150) * 20 / 1024, 16 - (top + 120) * 16 / 768, 2)
]])
function pixel_closed() DisableIdleScript(pixel_idle) end
