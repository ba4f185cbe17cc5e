-- Fountain by hand: a particle network built node by node, the way the
-- ready-made effects are built inside. Node.Create makes a node of a type
-- (the globals CParticleSystem, CConeEmitter ... hold the type numbers) and
-- gives it a name; Attr.Set changes its attributes; Psys.Add attaches it to
-- the particle system, which runs its nodes in the order they were added:
-- emitters first, then fields, then the renderer.
--
-- The window turns the wind on and off (Psys.Add and Psys.Delete) and sets the
-- emitter's rate. An idle script swings the emitter round with EmitterSetPosition.
--
-- Try: another cone angle, colours, or a CPointRenderer instead of streaks.

fountain = Node.Create(CParticleSystem, "fountain")
local emitter = Node.Create(CConeEmitter, "fountain_emitter")
Attr.Set("fountain_emitter.Rate", 300)
Attr.Set("fountain_emitter.Angle", 12)
Attr.Set("fountain_emitter.SpeedMin", 8)
Attr.Set("fountain_emitter.SpeedMax", 10)
Attr.Set("fountain_emitter.ColourMin", 0.2, 0.5, 1)
Attr.Set("fountain_emitter.ColourMax", 0.7, 0.9, 1)
local gravity = Node.Create(CGravityField, "fountain_gravity")
local ground = Node.Create(CPlaneCollision, "fountain_ground")
local renderer = Node.Create(CStreakRenderer, "fountain_renderer")
Attr.Set("fountain_renderer.AdditiveBlend", true)
Attr.Set("fountain_renderer.StreakLength", 0.3)
fountain_wind = Node.Create(CWindField, "fountain_wind")
Attr.Set("fountain_wind.Wind", 3, 0, 0)
Psys.Add(fountain, emitter)
Psys.Add(fountain, gravity)
Psys.Add(fountain, ground)
Psys.Add(fountain, renderer)

function fountain_wind_switch(box)
  if luiGetInt(box) == 1 then
    Psys.Add(fountain, fountain_wind, 1)  -- right after the emitter
  else
    Psys.Delete(fountain, 1)
  end
  print("The fountain runs " .. Psys.Number(fountain) .. " nodes.")
end
function fountain_rate(slider) Attr.Set("fountain_emitter.Rate", luiGetInt(slider)) end

luiWindow{label = "Fountain by hand", x = 690, y = 420, w = 250, h = 110}
luiCheckBox{label = "Wind", x = 8, y = 6, w = 100, command = "fountain_wind_switch"}
luiText{label = "Rate", x = 8, y = 46, w = 50}
luiIntSlider{min = 0, max = 1000, value = 300, x = 60, y = 46, w = 170, command = "fountain_rate"}
luiSetParent("..")

fountain_time = 0
if fountain_idle then DisableIdleScript(fountain_idle) end  -- run again, the example starts afresh
fountain_idle = AddIdleString([[
  fountain_time = fountain_time + FrameTime()
  local angle = fountain_time
  EmitterSetPosition("fountain_emitter", 2 * math.sin(angle), 0, -4 + 2 * math.cos(angle))
]])
