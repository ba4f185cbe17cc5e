dofile("prelude.lua")
dofile("file_dialog_prelude.lua")

function chosen(name)
  show("OK ran", name, relative(luiGetFilePath(name)), relative(luiGetString(name)))
end
-- An OK command that closes its dialog itself and opens another one.
function reopen(name)
  luiDestroy(name)
  luiFileDialog{n = "again"}
end

function report(label)
  show(label, luiGetString("FDFileName"), luiGetSelectedItems("pick"))
end

luiFileDialog{n = "pick", c = "chosen"}
runSteps{
  function() show(luiGetItems("pick")) clickRow(4) end,
  function() report("clicked") ctrlClickRow(3) end,
  function() report("ctrl-clicked") ctrlClickRow(5) end,
  function() report("ctrl-clicked") ctrlClickRow(4) end,
  function() report("taken out") ctrlClickRow(2) end,
  function()
    report("a folder among files")
    show("path", relative(luiGetFilePath("pick")))
    clickCancel()
  end,
  function()
    show("cancelled", luiList())
    luiFileDialog{n = "pick", c = "chosen"}
    show("nothing chosen", luiGetFilePath("pick"))
    clickOk()
  end,
  function()
    show("closed", luiList())
    luiFileDialog{n = "pick", c = "chosen"}
    clickRow(4)
  end,
  function() clickOk() end,
  function()
    show("closed", luiList())
    luiFileDialog{n = "pick", c = "reopen"}
    clickOk()
  end,
  function() show("reopened", luiList()) end,
}
