dofile("prelude.lua")

local function answer(text)
  local file = io.open("answer.txt", "w")
  file:write(text, "\n")
  file:close()
end

-- The chosen path arrives as the dialog wrote it; no shell ever reads it.
answer("/home/me/it's mine; $(touch shell-ran) `touch shell-ran`.lua")
show(OpenFileDialog())
answer("cancel")
show(SaveFileDialog())
answer("/tmp/saved.lua")
show(SaveFileDialog("ignored", 1))
for line in io.lines("zenity-calls.txt") do print(line) end
show(io.open("shell-ran") == nil)
-- The dialog changed its own folder, not this one's.
show(io.open("answer.txt") ~= nil)
print("<end>")
