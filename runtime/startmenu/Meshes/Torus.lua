-- Torus: a 3D model read from a Wavefront OBJ file. MakeMesh reads the file
-- and makes a mesh node, which the scene draws every frame, lit, in the middle
-- of the 3D view. Drag the empty desktop with the mouse to look around it.
--
-- An OBJ file is plain text: "v x y z" lines give corner points, "vn" lines
-- normals (the way each corner faces, for the lighting) and "f" lines the faces,
-- by the numbers of their corners. Open meshes/torus.obj in a text editor to see.
--
-- Try: "meshes/cube.obj" or "meshes/pyramid.obj".

MakeMesh("meshes/torus.obj")
