dofile("prelude.lua")

-- Every answer prints itself with the name of the box it came from.
for _, answer in ipairs({"onok", "oncancel", "onabort", "onretry", "onyes", "onno", "oncontinue"}) do
  _G[answer] = function(name) print("  " .. answer .. " " .. name) end
end

-- A box asking something, with all seven answers; its type picks the buttons.
local function ask(type)
  return luiMessageBox{l = "Question", text = "Go on?", type = type, onok = "onok",
    oncancel = "oncancel", onabort = "onabort", onretry = "onretry", onyes = "onyes",
    onno = "onno", oncontinue = "oncontinue"}
end

-- The labels of a box's buttons, and where their middles are on the screen.
local function buttons(box)
  local labels, middles = {}, {}
  local left, top = luiGetPosition(box)
  local children = luiListChildren(box)
  for i = 2, table.getn(children) do
    local x, y = luiGetPosition(children[i])
    local w, h = luiGetSize(children[i])
    labels[i - 1] = luiGetLabel(children[i])
    middles[i - 1] = {left + x + math.floor(w / 2), top + y + math.floor(h / 2)}
  end
  return labels, middles
end

for _, type in ipairs({1, 2, 3, 4, 5, 6, 7, 0, 8, 16, -1}) do
  local box = ask(type)
  local labels = buttons(box)
  print("type " .. type .. ": [" .. table.concat(labels, "|") .. "]")
  luiDestroy(box)
end

local box = ask(1)
print("a new box: " .. box .. " at " .. table.concat({luiGetPosition(box)}, ",") .. ", "
      .. table.concat({luiGetSize(box)}, "x"))
luiDestroy(box)
-- A longer line grows the box: 100 characters of 6 pixels and a 32-pixel icon.
box = luiMessageBox{l = "Long", text = string.rep("x", 100), icon = ICON_FOLDER}
print("with a long line: " .. table.concat({luiGetSize(box)}, "x"))
luiDestroy(box)

-- Each step opens a box and presses one of its buttons, every label once;
-- then the box is gone.
local steps = {}
for _, press in ipairs({{1, 1}, {2, 2}, {3, 1}, {3, 2}, {3, 3}, {4, 1}, {4, 2}, {7, 2}, {7, 3}}) do
  local type, index = press[1], press[2]
  table.insert(steps, {"type " .. type .. ", button " .. index, function()
    box = ask(type)
    local labels, middles = buttons(box)
    print("  pressing " .. labels[index])
    click(middles[index][1], middles[index][2])
  end, function() print("  box left: " .. tostring(exists(box))) end})
end

-- A box without buttons takes a press where they would be and stays.
table.insert(steps, {"type 16, pressed along its bottom", function()
  box = ask(16)
  click(400, 480)
end, function()
  print("  box left: " .. tostring(exists(box)))
  luiDestroy(box)
end})

-- An answer that closes its box itself and opens another: the new one stays.
function replace(name)
  luiDestroy(name)
  replacement = luiMessageBox{l = "Next", type = 1}
  print("  " .. name .. " replaced by " .. replacement)
end
table.insert(steps, {"an answer that replaces its box", function()
  box = luiMessageBox{l = "First", type = 1, onok = "replace"}
  local _, middles = buttons(box)
  click(middles[1][1], middles[1][2])
end, function()
  print("  replacement left: " .. tostring(exists(replacement)))
end})

runSteps(steps)
