-- Background picture: SetBackgroundImage replaces the picture behind the
-- desktop. Each button shows another file; any format ImageLoad reads will do.
--
-- The picture is stretched over the whole screen, whatever its size: the small
-- balloon becomes blocky, the 1024 x 768 bliss.bmp fits exactly.
--
-- Try: add a button for "media/balloon.gif", or set the background from the
-- script editor with SetBackgroundImage("media/balloon.bmp").

function background_choose(button)
  local path = background_paths[button]
  SetBackgroundImage(path)
  -- ImageLoad makes a copy we can ask about; ImageDelete frees it again.
  local id = ImageLoad(path)
  local width, height = ImageGetSize(id)
  luiSetLabel(background_caption, path .. string.format(" (%d x %d)", width, height))
  ImageDelete(id)
end

luiWindow{label = "Background picture", x = 760, y = 10, w = 254, h = 140}
background_paths = {}
local choices = {{"Hills", "startmenu/bliss.bmp"}, {"Balloon", "media/balloon.png"},
                 {"Balloon PCX", "media/balloon.pcx"}}
for i = 1, table.getn(choices) do
  local button = luiButton{label = choices[i][1], x = 8 + (i - 1) * 80, y = 10, w = 76,
                           command = "background_choose"}
  background_paths[button] = choices[i][2]
end
background_caption = luiText{label = "Choose a picture.", x = 8, y = 50, w = 236}
luiSetParent("..")
