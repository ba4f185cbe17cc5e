-- Simple: the smallest ready-made particle effect. CreateSimple builds a
-- particle system named "simple" from two nodes: a point emitter named
-- "simple_emitter", which gives birth to particles at one point, and a point
-- renderer, which draws each one as a dot.
--
-- Nodes are found by their names. Every node keeps its settings in named
-- attributes: Attr.List lists them, Attr.Get reads one. An idle script moves
-- the emitter up and down with EmitterSetPosition; look left in the 3D view.
--
-- Try: Attr.Set("simple_emitter.Rate", 500) in the script editor for more
-- particles, or Attr.Set("simple_emitter.SizeMax", 10) for bigger ones.

CreateSimple()

print("The emitter's attributes: " .. table.concat(Attr.List("simple_emitter"), ", "))
print("It makes " .. Attr.Get("simple_emitter.Rate") .. " particles a second.")

simple_time = 0
if simple_idle then DisableIdleScript(simple_idle) end  -- run again, the example starts afresh
simple_idle = AddIdleString([[
  simple_time = simple_time + FrameTime()
  EmitterSetPosition("simple_emitter", -5, 4 + 2 * math.sin(simple_time), 0)
]])
