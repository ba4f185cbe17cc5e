-- Welcome: a first window, and a map of the examples in this menu.
--
-- Every entry of the start menu is a Lua script in the folder runtime/startmenu;
-- choosing one runs it. Scripts run with runtime/ as the working folder, so they
-- name their files from there: "media/balloon.png", "meshes/torus.obj".
-- Open any of them in the script editor (Editors > Script editor) to read how
-- it works, change it and run it again with "Execute!".
--
-- Try: add a line of your own to the list below, or change the window's x and y.

local lines = {
  "Pictures: load pictures in five formats and read their pixels.",
  "Drawing: shapes, colours and animations drawn every frame.",
  "Controls: windows, buttons, fields, sliders, lists and layouts.",
  "Particles: ready-made effects and a network built by hand.",
  "Meshes: 3D models read from OBJ files.",
  "Sound and Video: samples, music with its spectrum, a video.",
  "Dialogs: a message box that asks, a file dialog that chooses.",
  "Editors: the script editor and the text editor.",
  "",
  "Drag the empty desktop to turn the 3D view. Escape quits.",
}

luiWindow{label = "Welcome to scriptdesk", x = 262, y = 190, w = 500, h = 282}
luiText{label = "Choose an example from the Start menu:", x = 10, y = 8, w = 470}
for i = 1, table.getn(lines) do
  luiText{label = lines[i], x = 20, y = 14 + i * 22, w = 460}
end
luiSetParent("..")  -- controls created from now on go on the desktop again
