dofile("prelude.lua")

-- Controls without value slots give the defaults; targets by name or by a
-- table's "name" entry; nothing for a wrong count or an unknown target.
local w = luiWindow{}
show(luiGetInt(w), luiGetFloat(w), luiGetString(w))
show(luiGetInt({name = w}), luiGetFloat({name = w, 1}), luiGetString({name = w}))
try("luiGetInt(nobody)", luiGetInt, "nobody")
try("luiGetInt({})", luiGetInt, {})
try("luiGetInt({name = nobody})", luiGetInt, {name = "nobody"})
try("luiGetInt()", luiGetInt)
try("luiGetFloat(w, 1)", luiGetFloat, w, 1)
try("luiGetString(nobody)", luiGetString, "nobody")

try("luiSetInt(w, 3)", luiSetInt, w, 3)
try("luiSetFloat({name = w}, 3)", luiSetFloat, {name = w}, 3)
try("luiSetInt(nobody, 3)", luiSetInt, "nobody", 3)
try("luiSetFloat(w)", luiSetFloat, w)
-- Given a name, the string setter hands back the text held before.
try("luiSetString(w, x)", luiSetString, w, "x")
try("luiSetString({name = w}, x)", luiSetString, {name = w}, "x")
try("luiSetString(w, {})", luiSetString, w, {})
try("luiSetString(nobody, x)", luiSetString, "nobody", "x")
try("luiSetString(w)", luiSetString, w)

luiSetParent("main")
-- Fields: the text field holds a string, the integer and float fields read
-- and write their text as numbers.
local text = luiTextField{v = "first", c = "edited"}
local int = luiIntField{value = 42.9}
local float = luiFloatField{v = 1.5}
show(luiGetString(text), luiGetString(int), luiGetString(float))
show(luiGetInt(int), luiGetFloat(float), luiGetInt(text), luiGetFloat(int))
show(luiSetString(text, "second"), luiGetString({name = text}))
show(luiSetString(text, 7), luiSetString(int, "ignored"), luiGetInt(int))
luiSetInt({name = int}, -3)
luiSetFloat(float, 0.25)
show(luiGetString(int), luiGetString(float))

-- A field's command runs with its name when editing ends with Enter.
function edited(name) show("edited", name, luiGetString(name)) end
luiSetPosition(text, 600, 100)
Runner.Press(610, 110) Runner.Release(610, 110)
Runner.Key("done\r")
AddIdleString("if not over then over = true print('<end>') end")
