-- Runs one start-menu example (the global `example`, a path from the working
-- folder) the way the start menu does, twice, then presses, drags and types
-- into every control the example put inside its windows, so that each command
-- runs. Failures surface as script errors (the runner's --strict status)
-- or as "[ERROR]" lines in stdout.log.

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

-- The windows and dialogs the example's own code opens. Dialogs the system
-- opens for itself (the script editor's file dialogs) are left alone.
local scripted = {}
for _, creator in ipairs({"luiWindow", "luiFileDialog", "luiMessageBox", "luiScriptEditor"}) do
  local original = _G[creator]
  _G[creator] = function(...)
    local name = original(...)
    if name then scripted[name] = true end
    return name
  end
end

local before = {}
for _, name in ipairs(luiList()) do before[name] = true end
-- Chosen twice from the menu, as users do: the second run must cope with
-- what the first one left behind.
dofile(example)
dofile(example)

-- The title bar a top-level window puts above its children, with the shipped
-- fonts. A message box draws its title over its own area instead.
local kTitleBar = 18
local function titleBarOf(top)
  if string.find(top, "^luiMessageBox") then return 0 end
  return kTitleBar
end

local function centreOnScreen(name)
  local x, y = luiGetPosition(name)
  local width, height = luiGetSize(name)
  local parent = luiGetParent(name)
  while parent ~= "main" and parent ~= "none" do
    local px, py = luiGetPosition(parent)
    x, y = x + px, y + py
    local above = luiGetParent(parent)
    if above == "main" then y = y + titleBarOf(parent) end
    parent = above
  end
  return x + math.floor(width / 2), y + math.floor(height / 2)
end

-- Controls inside the example's windows, in the order they appear; controls
-- that commands create later (a dialog a button opens) join as they appear.
seen, targets = before, {}
local function topLevelOf(name)
  local parent = luiGetParent(name)
  while parent ~= "main" and parent ~= "none" do
    name, parent = parent, luiGetParent(parent)
  end
  return name
end
function exercise_collect()
  for _, name in ipairs(luiList()) do
    local top = topLevelOf(name)
    if not seen[name] and top ~= name and scripted[top] then table.insert(targets, name) end
    seen[name] = true
  end
end
exercise_collect()

-- Each frame presses every control queued since the last one; the events
-- arrive, in order, at the start of the next frame. A final press on the
-- desktop releases whatever a field captured, which runs that field's command.
pressed, quiet = 0, 0
AddIdleString([[
  exercise_collect()
  if pressed == table.getn(targets) then
    quiet = quiet + 1
    if quiet == 1 then
      Runner.Press(1021, 300)
      Runner.Release(1021, 300)
    elseif quiet > 2 then
      os.exit(0)
    end
  end
  while pressed < table.getn(targets) do
    quiet = 0
    pressed = pressed + 1
    -- A command may have destroyed later targets: those are skipped.
    local found, x, y = pcall(exercise_centre, targets[pressed])
    -- Twice: the first press may only take the capture from an editor or a
    -- field that held on to it.
    for _ = 1, found and 2 or 0 do
      Runner.Move(x, y)
      Runner.Press(x, y)
      Runner.Move(x + 4, y)
      Runner.Release(x + 4, y)
      Runner.Key("7\r")
    end
  end
]])
exercise_centre = centreOnScreen
