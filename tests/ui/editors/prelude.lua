-- Shared by the editor scripts, after the lui and control preludes: where a
-- point of a control lies on the screen, and clicks there. Positions add up
-- to the root, and a window's client area starts below its 16-pixel title
-- bar (scripts list their windows in `windows`).
windows = {}

function screen(name, dx, dy)
  local x, y = luiGetPosition(name)
  local parent = luiGetParent(name)
  while parent ~= "main" do
    local px, py = luiGetPosition(parent)
    x, y = x + px, y + py + (windows[parent] and 16 or 0)
    parent = luiGetParent(parent)
  end
  return x + dx, y + dy
end

function clickOn(name, dx, dy)
  click(screen(name, dx, dy))
end
