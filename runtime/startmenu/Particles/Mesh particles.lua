-- Mesh particles: every particle drawn as a 3D model. MakeMesh reads
-- an OBJ file into a mesh node; CreateMeshParticles then builds the system
-- "meshp", whose mesh renderer draws the mesh last loaded at each particle.
-- The particles fall under gravity and bounce on the ground. The preset puts
-- its emitter at the right edge of the view; EmitterSetPosition brings it in.
-- (Every mesh is also drawn once where it was modelled: in the middle.)
--
-- Try: "meshes/cube.obj" or "meshes/torus.obj" instead of the pyramid.

MakeMesh("meshes/pyramid.obj")
CreateMeshParticles()
EmitterSetPosition("meshp_emitter", 5, 5, 0)
