-- Shared by the control scripts: pointer gestures and a list of steps, one a
-- frame. Events reach the controls at the start of the next frame, so each
-- frame first reports what the previous step did, then sends the next one;
-- what commands print shows above the report of the step that ran them.
function click(x, y, button)
  Runner.Move(x, y)
  Runner.Press(x, y, button)
  Runner.Release(x, y, button)
end

function drag(x, y, toX, toY, button)
  Runner.Move(x, y)
  Runner.Press(x, y, button)
  Runner.Move(toX, toY)
  Runner.Release(toX, toY, button)
end

-- steps: {label, send, state} triples; after each step its label is printed
-- with what state() gives.
function runSteps(steps)
  step = 0
  nextStep = function()
    local done = steps[step]
    if done then print(done[1] .. ": " .. done[3]()) end
    step = step + 1
    if steps[step] then steps[step][2]() end
    if step == table.getn(steps) + 1 then print("==") end
  end
  AddIdleString("nextStep()")
end

print("--")
