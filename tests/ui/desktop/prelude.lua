-- Shared by the desktop scripts. Runner's events reach the controls at the
-- start of the next frame, so the steps go one a frame: each prints its label
-- and sends its gestures; what they cause prints below the label, then the
-- step's check (if it has one) when the next frame comes.
function click(x, y)
  Runner.Move(x, y)
  Runner.Press(x, y)
  Runner.Release(x, y)
end

-- Whether a control of that name exists.
function exists(name)
  for _, listed in ipairs(luiList()) do
    if listed == name then return true end
  end
  return false
end

-- steps: {label, gestures [, check]} entries; the run needs one frame more
-- than there are steps.
function runSteps(steps)
  local step = 0
  function nextStep()
    if steps[step] and steps[step][3] then steps[step][3]() end
    step = step + 1
    if steps[step] then
      print(steps[step][1])
      steps[step][2]()
    elseif step == table.getn(steps) + 1 then
      print("==")
    end
  end
  AddIdleString("nextStep()")
end

print("--")
