-- Picture formats: one small picture saved as BMP, PCX, TGA, GIF and PNG,
-- each loaded with ImageLoad and shown in an image view.
--
-- ImageLoad chooses the reader by the file name's extension and returns the
-- picture's id (0 when the file could not be read). ImageGetSize gives its
-- width and height, ImageGetBitDepth its bytes per pixel (3 for red, green and
-- blue; 4 when there is an alpha channel too).
--
-- Try: load a file that is not there and look for the messages in the upper
-- pane of the script editor (Editors > Script editor).

luiWindow{label = "Picture formats", x = 10, y = 10, w = 430, h = 296}

local formats = {"bmp", "pcx", "tga", "gif", "png"}
for i = 1, table.getn(formats) do
  local path = "media/balloon." .. formats[i]
  local id = ImageLoad(path)
  local width, height = ImageGetSize(id)
  -- Three pictures to a row, each with a caption under it.
  local x = 8 + math.mod(i - 1, 3) * 138
  local y = 6 + math.floor((i - 1) / 3) * 134
  luiImageView{image = id, x = x, y = y, w = width, h = height}
  luiText{label = string.format("%s: %d x %d x %d", formats[i], width, height,
                                ImageGetBitDepth(id)), x = x, y = y + height + 3, w = 128}
  print(path .. " has the id " .. id)
end

luiSetParent("..")
