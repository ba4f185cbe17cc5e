-- The idle-script list: ids, order, flags read as the pass reaches each entry,
-- entries added during a pass waiting for the next one, and failures reported
-- every frame while the others go on.
function _ALERT(message) print('alert: ' .. message) end
frame = 0

-- Only strings make entries; a wrong count is the marshaller's message.
print(AddIdleString(5))
print(AddIdleScript({}))
print(AddIdleScript())

print(AddIdleString("print('string ' .. frame)"))
print(AddIdleScript("count.lua"))
box = AddIdleString("print('box ' .. frame)")
AddIdleString([[
frame = frame + 1
print('control ' .. frame)
if frame == 1 then
  DisableIdleScript(box)
  late = AddIdleString("print('late ' .. frame)")
elseif frame == 2 then
  EnableIdleScript(box)
  DisableIdleScript(99)
elseif frame == 3 then
  DisableIdleScript(late)
  DisableIdleScript(box)
end
]])
AddIdleString("error('idle failure')")
AddIdleScript("missing_idle.lua")
AddIdleString("print('unclosed'")
AddIdleScript("broken.lua")
