-- Mesh particles: every particle drawn as a little 3D model. MakeMesh reads
-- an OBJ file into a mesh node; CreateMeshParticles then builds the system
-- "meshp", whose mesh renderer draws the mesh last loaded at each particle.
-- The particles fall under gravity and bounce on the ground, at the right of
-- the 3D view. (Every mesh is also drawn once where it was modelled, around
-- the centre of the scene.)
--
-- Try: "meshes/cube.obj" or "meshes/torus.obj" instead of the pyramid.

MakeMesh("meshes/pyramid.obj")
CreateMeshParticles()
