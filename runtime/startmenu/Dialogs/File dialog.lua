-- File dialog: choosing a file inside scriptdesk. luiFileDialog opens a window
-- that browses folders: double square brackets mark a folder, the arrow goes
-- up a level and "Look In:" jumps back along the way. On "Ok" its command is
-- called with the dialog's name, and luiGetFilePath(name) gives the chosen
-- file. This example shows the picture you choose.
--
-- Try: start the dialog in "meshes/" and load the chosen model with MakeMesh.

local pictures = {bmp = true, pcx = true, tga = true, gif = true, png = true}

function dialog_open()
  luiFileDialog{label = "Choose a picture", path = "media/", x = 340, y = 120,
                command = "dialog_chosen"}
end
function dialog_chosen(dialog)
  local path = luiGetFilePath(dialog)
  local _, _, extension = string.find(path, "%.(%a+)$")
  if not extension or not pictures[string.lower(extension)] then
    luiSetLabel(dialog_caption, "Not a picture: " .. path)
    return
  end
  luiSetInt(dialog_view, ImageLoad(path))
  luiSetLabel(dialog_caption, path)
end

luiWindow{label = "File dialog", x = 10, y = 120, w = 320, h = 260}
luiButton{label = "Choose a picture...", x = 8, y = 8, w = 160, command = "dialog_open"}
dialog_view = luiImageView{x = 8, y = 44, w = 128, h = 96}
dialog_caption = luiText{label = "Nothing chosen yet.", x = 8, y = 190, w = 300}
luiSetParent("..")
