-- Text editor: a control for longer text, with scroll bars, selection and the
-- usual editing keys. It opens here on the cube's OBJ file: change a number on
-- a "v" line (a corner of the cube) and press "Load as a mesh" to see the new
-- shape in the middle of the 3D view. Every load adds a mesh; the Mesh viewer
-- example shows how to take old ones away.
--
-- luiTextEditor takes its text as "value"; luiGetString reads the text back.
--
-- Try: load meshes/pyramid.obj instead, or add a button that saves the text.

local file = io.open("meshes/cube.obj")
local text = file:read("*a")
file:close()

function text_load_mesh()
  local path = os.tmpname()
  local out = io.open(path, "w")
  out:write(luiGetString(text_editor))
  out:close()
  MakeMesh(path)
  os.remove(path)
end

luiWindow{label = "Text editor: meshes/cube.obj", x = 10, y = 40, w = 400, h = 500}
text_editor = luiTextEditor{value = text, x = 6, y = 6, w = 380, h = 420}
luiButton{label = "Load as a mesh", x = 6, y = 436, w = 160, command = "text_load_mesh"}
luiSetParent("..")
