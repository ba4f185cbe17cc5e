-- Mesh network by hand: nodes connected through their inputs. A mesh emitter
-- has an input named "Mesh"; Node.ConnectInput plugs a mesh node into it, and
-- particles are then born on that mesh's vertices, flying out along its
-- normals. Here a torus hangs in the sky and sheds sparks that fall to the
-- ground. (MakeMesh also draws the torus, solid, where it was modelled: around
-- the centre of the scene.)
--
-- MakeMesh does not return the mesh's id, but node ids count up from 1 in the
-- order nodes are made, so the mesh made right after the emitter has the next id.
--
-- Try: "meshes/cube.obj" instead of the torus, or a CPointRenderer for dots.

local system = Node.Create(CParticleSystem, "network")
local emitter = Node.Create(CMeshEmitter, "network_emitter")
MakeMesh("meshes/torus.obj")
local torus = emitter + 1
print("Node " .. torus .. " is a mesh: " .. tostring(Node.Type(torus) == CMesh))
print("The emitter takes the torus: " .. tostring(Node.ConnectInput(emitter, "Mesh", torus)))

-- An attribute can also be named by a table: {node id or name, attribute}.
EmitterSetPosition(emitter, 0, 7, -6)
local settings = {Rate = 400, SpeedMin = 0.5, SpeedMax = 1.5,
                  ColourMin = {1, 0.4, 0.1}, ColourMax = {1, 0.9, 0.3}}
for attribute, value in pairs(settings) do Attr.Set({emitter, attribute}, value) end
local gravity = Node.Create(CGravityField, "network_gravity")
Attr.Set("network_gravity.Gravity", 0, -3, 0)
local renderer = Node.Create(CStreakRenderer, "network_renderer")
Attr.Set("network_renderer.StreakLength", 0.3)
Psys.Add(system, emitter)
Psys.Add(system, gravity)
Psys.Add(system, renderer)
