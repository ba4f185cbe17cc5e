-- The presets' nodes and attach orders read back through Psys, then the
-- attached list edited by Psys.
function show(system)
  local entries = {}
  for i = 0, Psys.Number(system) - 1 do
    local id = Psys.GetNode(system, i)
    table.insert(entries, id .. "=" .. Node.Name(id))
  end
  print(Node.Name(system) .. ": " .. table.concat(entries, " "))
end

CreateSimple()
show(1)
print(Psys.Number(1), select("#", Psys.GetNode(1, 2)), select("#", Psys.GetNode(1, -1)))
CreateGravity()
show(4)
CreateMeshParticles()
show(9)
print("no mesh yet:", Node.GetConnectedNode("meshp_renderer", "Mesh"))
MakeMesh("small_cube.obj")
CreateMeshEmitter()
show(15)
CreateMeshParticles()
print("connected to the mesh:", Node.GetConnectedNode("mesh_emitter", "Mesh"), Node.GetConnectedNode(25, 0))

Psys.Add(1, 3, 0)
Psys.Add(1, 2, 99)
Psys.Add(1, 14, -1)
show(1)
Psys.Delete(1, 0, "ignored")
Psys.Delete(1, 99)
Psys.Delete(1, -1)
show(1)
Node.Delete(2)
print("deleted but attached:", Node.Exists(2), Psys.GetNode(1, 0), Psys.GetNode(1, 2))

print("wrong counts:", select("#", Psys.Number()), select("#", Psys.Number(1, 2, 3, 4)), select("#", Psys.Add(1)),
      select("#", Psys.GetNode(1)), select("#", Psys.Delete(1)))
Psys.Add(1, 3, 0, 0)
Psys.Add(1, 999)
Psys.Add(2, 3)
print("not systems:", select("#", Psys.Number(2)), select("#", Psys.Number(999)), select("#", Psys.GetNode(2, 0)),
      Psys.Number(1), Psys.Count(2), Psys.Count(999), Psys.Count(1))
