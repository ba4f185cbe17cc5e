-- A particle preset over a mesh: the torus drawn by its own render pass, with
-- the gravity preset's sparks falling and bouncing on the ground beside it,
-- over a plain night-blue backdrop instead of the desktop picture. A drag on
-- the empty desktop tilts the view to look down on them.
SetBackgroundImage("")
SetBackground(0.05, 0.07, 0.15)
MakeMesh("meshes/torus.obj")
CreateGravity()
Runner.Move(800, 560) Runner.Press(800, 560) Runner.Move(800, 600) Runner.Release(800, 600)
