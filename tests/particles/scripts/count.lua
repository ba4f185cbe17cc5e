-- Psys.Count frame by frame at 0.25 s a frame: rate 8 gives 2 a frame, a
-- life of 0.6 s lasts two updates, an emitter attached twice emits twice as
-- fast, a rate raised mid-second releases the difference at once, and a long
-- step releases its whole backlog.
local function emitter(name, rate, life)
  local id = Node.Create(CPointEmitter, name)
  Attr.Set(name .. ".Rate", rate)
  Attr.Set(name .. ".LifeMin", life)
  Attr.Set(name .. ".LifeMax", life)
  return id
end

once = Node.Create(CParticleSystem, "once")
Psys.Add(once, emitter("e1", 8, 0.6))
twice = Node.Create(CParticleSystem, "twice")
local shared = emitter("e2", 8, 0.6)
Psys.Add(twice, shared)
Psys.Add(twice, shared)
long = Node.Create(CParticleSystem, "long")
Psys.Add(long, emitter("e3", 10, 100))
Update.Update("long", 2.5)
Render.Render("long")
print("after 2.5 s:", Psys.Count(long))

frame = 0
AddIdleString([[
  frame = frame + 1
  print(frame, Psys.Count(once), Psys.Count(twice), Psys.Count(long))
  if frame == 2 then Attr.Set("e1.Rate", 100) end
]])
