-- Mesh emitter: particles born on the surface of a 3D model. MakeMesh reads
-- the torus; CreateMeshEmitter builds the system "meshe", whose mesh emitter
-- draws the torus as a wire frame at its position and sends particles out of
-- its vertices. Gravity, the ground and a wind field act on them; a streak
-- renderer draws them.
--
-- Try: turn the wind round with Attr.Set("meshe_wind.Wind", 4, 0, 0), or
-- move the emitter with EmitterSetPosition("mesh_emitter", 0, 6, 0).

MakeMesh("meshes/torus.obj")
CreateMeshEmitter()
