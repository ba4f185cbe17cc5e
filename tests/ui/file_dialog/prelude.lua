-- Shared by the file dialog scripts (after the lui prelude): paths under
-- $HOME shown from "~/", so that the output does not depend on where the run
-- takes place, and the places the pointer goes to.
local home = os.getenv("HOME") .. "/"
function relative(path)
  if type(path) ~= "string" then return path end
  if string.sub(path, 1, string.len(home)) == home then
    return "~/" .. string.sub(path, string.len(home) + 1)
  end
  return path
end

function click(x, y) Runner.Press(x, y) Runner.Release(x, y) end
function ctrlClick(x, y) Runner.Press(x, y, 0, "ctrl") Runner.Release(x, y, 0, "ctrl") end

-- A dialog stands at (100, 100), 250x300; its client area starts below the
-- 16-pixel title bar. List rows are 14 high from 4 pixels into the list at
-- (4, 45); the "Look In:" box's drop-down rows are 16 high below it.
local top = 100 + 16
function rowY(row) return top + 45 + 4 + 14 * row + 7 end
function clickRow(row) click(150, rowY(row)) end
function ctrlClickRow(row) ctrlClick(150, rowY(row)) end
function clickHome() click(100 + 170 + 15, top + 20) end
function clickUp() click(100 + 210 + 15, top + 20) end
function clickHidden() click(130, top + 224 + 12) end
function clickOk() click(160, top + 254 + 12) end
function clickCancel() click(280, top + 254 + 12) end
function openLookIn() click(150, top + 5 + 18) end
function chooseLevel(row) click(150, top + 5 + 36 + 16 * row + 8) end

-- Each frame runs the next step; a step reports what the last one did and
-- sends its own gestures.
function runSteps(steps)
  stepList = steps
  step = 0
  AddIdleString([[
    step = step + 1
    if stepList[step] then stepList[step]() elseif step == table.getn(stepList) + 1 then print("<end>") end
  ]])
end
