-- Shared by the editor scripts: values shown so that strings and tables
-- read plainly, pointer clicks, and steps run one a frame.
function asText(value)
  if type(value) == "string" then return '"' .. (string.gsub(value, "\n", "\\n")) .. '"' end
  if type(value) ~= "table" then return tostring(value) end
  local items = {}
  for i, item in ipairs(value) do items[i] = asText(item) end
  return "{" .. table.concat(items, ",") .. "}"
end

function show(...)
  local parts = {}
  for i = 1, select("#", ...) do parts[i] = asText(select(i, ...)) end
  print(table.concat(parts, " "))
end

-- Where a point of a control lies on the screen: positions add up to the
-- root, and a window's client area starts below its 16-pixel title bar.
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
windows = {}

function click(name, dx, dy)
  local x, y = screen(name, dx, dy)
  Runner.Move(x, y)
  Runner.Press(x, y)
  Runner.Release(x, y)
end

-- steps: {label, send, state} triples, one a frame. Events reach the
-- controls at the start of the next frame, so each frame first shows what
-- the last step did, then sends the next one; "<end>" follows the last.
function runSteps(steps)
  step = 0
  nextStep = function()
    local done = steps[step]
    if done then show(done[1], done[3]()) end
    step = step + 1
    if steps[step] then steps[step][2]() end
    if step == table.getn(steps) + 1 then print("<end>") end
  end
  AddIdleString("nextStep()")
end

print("<editors>")
