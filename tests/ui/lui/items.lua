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
print("<end>")
