dofile("prelude.lua")
dofile("file_dialog_prelude.lua")

function chosen(name) show("OK ran", name) end

-- The folder a dialog shows (its last "Look In:" level) and its list.
function report(label, dialog)
  local levels = luiGetItems("FDLookIn")
  show(label, relative(levels[table.getn(levels)]), luiGetItems(dialog))
end

dialog = luiFileDialog{n = "browse", c = "chosen"}
show(luiGetPosition(dialog))
show(luiGetSize(dialog))
-- The parts in creation order, where they are and how large (the icon
-- buttons and the check box are no smaller than their contents).
for _, part in ipairs(luiListChildren(dialog)) do
  if luiGetParent(part) == dialog then
    local x, y = luiGetPosition(part)
    show(part, luiGetLabel(part), x, y, luiGetSize(part))
  end
end

runSteps{
  function() report("at home", dialog) clickRow(1) end,
  function() report("into docs", dialog) clickRow(0) end,
  function() report("into deep", dialog) clickUp() end,
  function() report("up", dialog) clickUp() end,
  function() report("up again", dialog) clickRow(2) end,
  function() report("into zeta", dialog) clickHidden() end,
  function() report("hidden shown", dialog) clickHidden() end,
  function() report("hidden again", dialog) clickCancel() end,
  function()
    show("cancelled", luiList())
    deep = luiFileDialog{n = "deep", path = "tree/home/docs/deep"}
    show("levels", luiGetItems("FDLookIn"))
    report("opened at", deep)
    openLookIn()
  end,
  function() chooseLevel(1) end,
  function() show("levels", luiGetItems("FDLookIn")) report("level chosen", deep) clickUp() end,
  function() report("up", deep) clickUp() end,
  function() report("up from the first level", deep) clickHome() end,
  function() report("home", deep) end,
}
