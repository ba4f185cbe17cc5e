-- Mesh viewer: a list of models; the one you click is the only one shown.
--
-- MakeMesh names every mesh it makes "mesh1", and a name finds the oldest
-- node that has it. So before loading the next model the viewer takes the
-- shown ones away one by one: Render.Disable("mesh1") stops drawing the
-- oldest, and Node.Delete("mesh1") takes it out of the list of nodes, so
-- that the name finds the next one. (Meshes that particles use go too.)
--
-- Try: add a file to the list, or print Node.List() to see every node's name.

function viewer_show(list)
  local file = luiGetSelectedItems(list)[1]
  if not file then return end
  while Node.Exists("mesh1") do
    Render.Disable("mesh1")
    Node.Delete("mesh1")
  end
  MakeMesh("meshes/" .. file)
  luiSetLabel(viewer_status, "Showing " .. file)
end

luiWindow{label = "Mesh viewer", x = 790, y = 545, w = 220, h = 180}
local list = luiListBox{items = {"cube.obj", "pyramid.obj", "torus.obj"}, x = 8, y = 8,
                        w = 196, h = 90, command = "viewer_show"}
viewer_status = luiText{label = "Click a model.", x = 8, y = 110, w = 196}
luiSetParent("..")
luiSetInt(list, 0)  -- select the first model and show it
viewer_show(list)
