dofile("prelude.lua")

-- Controls without items: setting is quiet, reading gives empty tables.
local b = luiButton{}
try("luiSetItems(b, a, b)", luiSetItems, b, "a", "b")
try("luiSetItems(b)", luiSetItems, b)
try("luiSetItems(nobody, {a})", luiSetItems, "nobody", {"a"})
show(luiGetItems(b), luiGetItems("nobody"), luiGetItems())
show(luiGetSelectedItems(b), luiGetSelectedItems("nobody"), luiGetSelectedItems(b, 1))
try("luiGetFilePath(b)", luiGetFilePath, b)
try("luiGetFilePath()", luiGetFilePath)

-- List and combo boxes: items from the creator's table (strings only), then
-- replaced by a table or by any number of strings.
local list = luiListBox{items = {"one", "two", 3, {}, "four"}, c = "chosen"}
local combo = luiComboBox{items = {"red", "green"}}
show(luiGetItems(list), luiGetItems(combo), luiGetSelectedItems(list))
luiSetItems(combo, {"blue", "cyan"})
luiSetItems(list, "a", "b", true, "c")
show(luiGetItems(list), luiGetItems(combo))
-- The integer value makes an item the only one selected.
luiSetInt(list, 2)
luiSetInt(combo, 1)
luiSetInt(combo, 5)
show(luiGetSelectedItems(list), luiGetSelectedItems(combo))
luiSetItems(list, {})
show(luiGetItems(list), luiGetSelectedItems(list))

-- A click on a row selects it and runs the list's command.
luiSetItems(list, "first", "second", "third")
luiSetParent("main")
luiSetPosition(list, 600, 100)
function chosen(name) show("chosen", name, luiGetSelectedItems(name)) end
local row = 100 + 4 + 14 + 7 -- the middle of the second row, 14 pixels high
Runner.Press(620, row) Runner.Release(620, row)
AddIdleString("if not over then over = true print('<end>') end")
