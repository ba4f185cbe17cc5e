dofile("prelude.lua")

-- Every creator without a table: its control with the defaults, under the
-- current parent (windows and layouts become it; other top-level types do not).
for _, creator in ipairs({"luiWindow", "luiButton", "luiFileDialog", "luiMessageBox",
    "luiScriptEditor", "luiTextEditor", "luiCheckBox", "luiClock", "luiComboBox", "luiFloatField",
    "luiFloatSlider", "luiFloatSliderGrp", "luiIconButton", "luiImageView", "luiAviView",
    "luiIntField", "luiIntSlider", "luiIntSliderGrp", "luiListBox", "luiText", "luiTextField",
    "luiFrameLayout", "luiGroup", "luiImageView", "luiAviView", "luiMessageBox"}) do
  local name = _G[creator]()
  show(creator, name, luiGetParent(name))
end
luiSetParent("main")

-- Something other than a table applies nothing; keys that are not strings,
-- and keys no reader knows, are skipped.
local plain = luiText("label")
show(plain, luiGetLabel(plain), luiGetPosition(plain))
local t = luiText{"l", [true] = 1, [5] = "x", bogus = 2, label = "Caption", x = 12.7, y = -4, w = 90, h = 30}
show(t, luiGetLabel(t), luiGetPosition(t))
show(luiGetSize(t))
local short = luiButton{l = "Short", n = "shortNamed", width = 70, height = 20}
show(short, luiGetLabel(short), luiGetSize(short))
-- Values of the wrong type are ignored.
local wrong = luiButton{l = {}, x = "far", w = true, en = "yes"}
show(wrong, luiGetLabel(wrong), luiGetPosition(wrong))
show(luiGetSize(wrong))

-- Value keys go through the value setters.
show(luiGetInt(luiCheckBox{v = 1}), luiGetInt(luiCheckBox{value = 0}), luiGetString(luiTextField{v = 5}))

-- A name property is taken as written, even when another control has it.
show(luiButton{name = "twin"}, luiButton{name = "twin"}, luiButton{name = "luiButton"})

-- The arrow button gives its name only for exactly one table.
local before = table.getn(luiList())
show(luiArrowButton{dir = LUI_LEFT, label = "<"}, luiArrowButton(), luiArrowButton({}, {}))
show(table.getn(luiList()) - before)

-- Layouts take the controls created after them.
local frame = luiFrameLayout{bd = false, rbd = true, label = "Frame"}
show(luiGetParent(luiButton{}), luiGetLabel(frame))
local group = luiGroup{border = true}
show(luiGetParent(luiButton{}))
luiSetParent("main")

-- Window call-backs receive the window's name: moved and resized by the
-- pointer, destroyed by the script. A window that is not sizeable keeps its size.
function moved(name) show("moved", name, luiGetPosition(name)) end
function sized(name) show("sized", name, luiGetSize(name)) end
function gone(name) show("gone", name) end
local a = luiWindow{label = "A", x = 100, y = 100, w = 300, h = 200, om = "moved", os = "sized", od = "gone"}
local b = luiWindow{label = "B", x = 500, y = 100, w = 300, h = 200, sz = false, onsize = "sized"}
local c = luiWindow{label = "C", x = 100, y = 400, w = 300, h = 200, sizeable = 0, onsize = "sized"}
Runner.Press(200, 108) Runner.Move(260, 148) Runner.Release(260, 148)
Runner.Press(459, 240) Runner.Move(509, 240) Runner.Release(509, 240)
Runner.Press(799, 200) Runner.Move(849, 200) Runner.Release(849, 200)
Runner.Press(399, 500) Runner.Move(449, 500) Runner.Release(449, 500)
AddIdleString([[
  if not shown then
    shown = true
    show(luiGetSize("]] .. b .. [["))
    show(luiGetSize("]] .. c .. [["))
    luiDestroy("]] .. a .. [[")
    print("<end>")
  end
]])
