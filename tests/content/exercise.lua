-- Runs one start-menu example (the global `example`, a path from the working
-- folder) the way the start menu does, twice, then presses, drags and types
-- into every control the example put inside its windows, one control a frame,
-- so that each command runs once. Failures surface as script errors (the runner's
-- --strict status) or as "[ERROR]" lines in stdout.log.

-- A file the example names but cannot be read is a fault of the example even
-- where the library itself stays silent about it.
local function complain(what, path)
  print("[ERROR] " .. example .. ": " .. what .. " " .. tostring(path))
end
local function checked(library, name, failed)
  local original = library[name]
  library[name] = function(...)
    local result = original(...)
    if failed(result) then complain(name .. " could not read", (...)) end
    return result
  end
end
checked(Sound, "Load", function(id) return id == 0 end)
checked(Mp3, "Play", function(playing) return not playing end)
checked(Avi, "Open", function(id) return id == 0 end)
local makeMesh = MakeMesh
MakeMesh = function(path)
  local file = io.open(path)
  if file then file:close() else complain("MakeMesh could not read", path) end
  return makeMesh(path)
end

local before = {}
for _, name in ipairs(luiList()) do before[name] = true end
-- Chosen twice from the menu, as users do: the second run must cope with
-- what the first one left behind.
dofile(example)
dofile(example)

-- The title bar a top-level window puts above its children, with the shipped fonts.
local kTitleBar = 18

local function centreOnScreen(name)
  local x, y = luiGetPosition(name)
  local width, height = luiGetSize(name)
  local parent = luiGetParent(name)
  while parent ~= "main" and parent ~= "none" do
    local px, py = luiGetPosition(parent)
    x, y = x + px, y + py
    local above = luiGetParent(parent)
    if above == "main" then y = y + kTitleBar end
    parent = above
  end
  return x + math.floor(width / 2), y + math.floor(height / 2)
end

-- Controls inside windows, in the order they appear; controls that commands
-- create later (a dialog a button opens) join the queue as they appear.
seen, targets = before, {}
function exercise_collect()
  for _, name in ipairs(luiList()) do
    local parent = luiGetParent(name)
    if not seen[name] and parent ~= "main" and parent ~= "none" then table.insert(targets, name) end
    seen[name] = true
  end
end
exercise_collect()

-- Each frame delivers the gesture sent in the one before; the last one also
-- releases whatever a field captured, which runs that field's command.
step = 0
AddIdleString([[
  exercise_collect()
  step = step + 1
  local name = targets[step]
  -- A command may have destroyed later targets: those are skipped.
  local found, x, y = false
  if name then found, x, y = pcall(exercise_centre, name) end
  if found then
    Runner.Move(x, y)
    Runner.Press(x, y)
    Runner.Move(x + 4, y)
    Runner.Release(x + 4, y)
    Runner.Key("7\r")
  elseif step == table.getn(targets) + 1 then
    Runner.Press(1021, 300)
    Runner.Release(1021, 300)
  elseif step > table.getn(targets) + 3 then
    os.exit(0)
  end
]])
exercise_centre = centreOnScreen
