dofile("prelude.lua")

-- Script text runs at once; an error in it ends only that text.
luiExecute("executed = 1 + 1")
show(executed)
function _ALERT(message) show("alert", message) end
try("luiExecute(error)", luiExecute, "error('inside', 0)")
try("luiExecute()", luiExecute)

-- Names registered for types without behaviour take anything and do nothing.
for _, name in ipairs({"luiColourChooser", "luiConsole", "luiDisplaySettings", "luiExplorer",
    "luiMenuBar", "luiShelf", "luiStartMenu", "luiToolBar", "luiColourSlider", "luiFloatDial",
    "luiFloatFieldGrp", "luiFloatHoudini", "luiFloatScroll", "luiFloatShake", "luiIntDial",
    "luiIntFieldGrp", "luiIntHoudini", "luiIntShake", "luiMenu", "luiRadioButton", "luiScrollBar",
    "luiColumnLayout", "luiIconView", "luiListView", "luiRowLayout", "luiScrollLayout",
    "luiTabLayout", "luiTileView", "luiTreeView"}) do
  local results = select("#", _G[name]({label = "x"}, 1))
  if results ~= 0 then show(name, results) end
end
show(luiList())
print("<end>")
