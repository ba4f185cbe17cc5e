-- An idle file edited while the program runs: the entry runs each version from
-- its next turn on; while the file is missing or does not compile, that is
-- reported every frame. The test leaves edited.lua as print('one', frame).
function _ALERT(message) print('alert: ' .. message) end
frame = 0

function rewrite(text)
  local file = io.open("edited.lua", "w")
  file:write(text)
  file:close()
end

AddIdleString([[
frame = frame + 1
if frame == 2 then rewrite("print('two', frame)")
elseif frame == 3 then rewrite("print('three', frame)")
elseif frame == 4 then os.remove("edited.lua")
elseif frame == 6 then rewrite("print(")
elseif frame == 8 then rewrite("print('back', frame)")
end
]])
AddIdleScript("edited.lua")
