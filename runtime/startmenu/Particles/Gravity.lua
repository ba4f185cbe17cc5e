-- Gravity: a ready-made network of five nodes. CreateGravity makes the system
-- "gravity" with a sphere emitter (particles start anywhere in a ball), a
-- gravity field pulling them down, a collision plane they bounce off (the
-- ground, y = 0) and a streak renderer drawing each particle as a short line
-- along its path.
--
-- Each node keeps its settings in attributes: Attr.List names them and
-- Attr.Get reads one.
--
-- Try: weaker gravity with Attr.Set("gravity_gravity.Gravity", 0, -2, 0), or
-- longer streaks with Attr.Set("gravity_renderer.StreakLength", 0.5).

CreateGravity()

print("The gravity field's attributes: " .. table.concat(Attr.List("gravity_gravity"), ", "))
local pull = Attr.Get("gravity_gravity.Gravity")
print("It pulls by " .. pull[1] .. ", " .. pull[2] .. ", " .. pull[3])
