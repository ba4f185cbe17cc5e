-- Shown when scriptdesk runs without a display: an idle script drawing a
-- turning ring of coloured discs over the desktop.
print("scriptdesk showcase")
angle = 0
AddIdleString([[
  angle = angle + FrameTime()
  SetTransparent(0.25)
  for i = 0, 11 do
    local a = angle + i * math.pi / 6
    SetForeground(0.5 + 0.5 * math.cos(a), 0.7, 0.5 + 0.5 * math.sin(a))
    DrawFilledCircle(6 + 2.5 * math.cos(a), 11 + 2.5 * math.sin(a), 0.4)
  end
  SetTransparent(0)
  SetForeground(1, 1, 1)
  SetLineWidth(2)
  DrawWireCircle(6, 11, 3.3)
]])
