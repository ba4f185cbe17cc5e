-- Bouncing ball: an animation. FrameTime() gives the seconds the last frame
-- took; moving by speed x FrameTime() every frame keeps the pace the same
-- however fast the computer draws. The ball falls under gravity, bounces off
-- the edges of the screen and leaves a fading trail (SetTransparent).
--
-- The window switches the idle script off and on (DisableIdleScript and
-- EnableIdleScript) and sets the gravity; closing it stops the ball.
--
-- Try: change the ball's radius, its starting speed or the length of the trail.

ball = {x = -8, y = 12, dx = 4, dy = 0, radius = 0.6, gravity = 9.8, trail = {}}
-- Run again, the example starts afresh: closing its window stops its drawing.
if ball_window then luiDestroy(ball_window) end
ball_idle = AddIdleString([[
  local dt = math.min(FrameTime(), 0.1)  -- a long pause must not fling the ball away
  ball.dy = ball.dy - ball.gravity * dt
  ball.x, ball.y = ball.x + ball.dx * dt, ball.y + ball.dy * dt
  if ball.x < -10 + ball.radius or ball.x > 10 - ball.radius then
    ball.dx = -ball.dx
    ball.x = math.max(-10 + ball.radius, math.min(10 - ball.radius, ball.x))
  end
  local floor = 0.7 + ball.radius  -- just above the task bar
  if ball.y < floor then ball.y, ball.dy = floor, math.abs(ball.dy) end
  table.insert(ball.trail, 1, {ball.x, ball.y})
  if table.getn(ball.trail) > 12 then table.remove(ball.trail) end
  SetForeground(1, 0.6, 0.1)
  for i = table.getn(ball.trail), 1, -1 do
    SetTransparent(i / 13)
    DrawFilledCircle(ball.trail[i][1], ball.trail[i][2], ball.radius * (1 - i / 30))
  end
  SetTransparent(0)
]])

function ball_switch(box)
  if luiGetInt(box) == 1 then EnableIdleScript(ball_idle) else DisableIdleScript(ball_idle) end
end
function ball_set_gravity(slider)
  ball.gravity = luiGetFloat(slider)
  luiSetLabel(ball_caption, string.format("Gravity %.1f", ball.gravity))
end
function ball_closed() DisableIdleScript(ball_idle) end

ball_window = luiWindow{label = "Bouncing ball", x = 260, y = 312, w = 250, h = 100,
                        ondestroy = "ball_closed"}
luiCheckBox{label = "Bouncing", value = 1, x = 8, y = 6, w = 200, command = "ball_switch"}
ball_caption = luiText{x = 8, y = 44, w = 100}
ball_set_gravity(luiFloatSlider{min = 0, max = 30, value = ball.gravity, x = 110, y = 44, w = 130,
                                command = "ball_set_gravity"})
luiSetParent("..")
