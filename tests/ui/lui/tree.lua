dofile("prelude.lua")

-- Names: defaults numbered from 1, requested names kept while free, reserved
-- base names always numbered.
show(luiCreate(LUI_WINDOW, nil), luiCreate(LUI_WINDOW, "w"), luiCreate(LUI_BUTTON, "w"),
     luiCreate(LUI_BUTTON, "luiButton"), luiCreate(LUI_BUTTON, 7))
-- No control for types that cannot be created, nor for a second start menu.
show(luiCreate(LUI_ROW_LAYOUT, "r"), luiCreate(56, "x"), luiCreate(-1, "x"), luiCreate("twelve", "x"))
show(luiCreate(LUI_START_MENU, "menu"), luiCreate(LUI_START_MENU, "menu2"))
try("luiCreate()", luiCreate)
try("luiCreate(3 args)", luiCreate, LUI_BUTTON, "b", 1)

-- Parents: a window takes the controls created after it.
show(luiGetParent("w1"), luiGetParent("luiButton1"), luiGetParent("w"), luiGetParent("main"))
try("luiGetParent(nobody)", luiGetParent, "nobody")
try("luiGetParent()", luiGetParent)

luiParent("luiWindow1", "w1")
show(luiGetParent("w1"))
-- A control never goes inside itself or its own subtree.
luiParent("w1", "luiWindow1")
luiParent("w1", "w1")
show(luiGetParent("luiWindow1"), luiGetParent("w1"))
try("luiParent(nobody, w1)", luiParent, "nobody", "w1")
try("luiParent(w, nobody)", luiParent, "w", "nobody")
try("luiParent(w)", luiParent, "w")

-- currentParent: ".." climbs, a name sets it, an unknown name changes nothing.
luiSetParent("..")
show(luiGetParent(luiButton{}))
luiSetParent("w")
local group = luiCreate(LUI_GROUP, "g")
show(luiGetParent(luiButton{}))
luiSetParent("..")
show(luiGetParent(luiButton{}))
luiSetParent("nobody")
show(luiGetParent(luiButton{}))
luiSetParent("main")
luiSetParent("..")
show(luiGetParent(luiButton{}))
try("luiSetParent()", luiSetParent)
-- Creation falls back to the root when the current parent goes.
luiSetParent("g")
luiDestroy("g")
show(luiGetParent(luiButton{}))

-- Listings in depth-first pre-order, front-most top-level control first.
show(luiList())
show(luiListChildren("w"), luiListChildren("w1"))
try("luiListChildren()", luiListChildren)
try("luiListChildren({})", luiListChildren, {})
try("luiListChildren(nobody)", luiListChildren, "nobody")

-- Destroying takes the children along; the root stays.
try("luiDestroy(w)", luiDestroy, "w")
try("luiDestroy(main)", luiDestroy, "main")
show(luiList())
try("luiDestroy(nobody)", luiDestroy, "nobody")
try("luiDestroy()", luiDestroy)
print("<end>")
