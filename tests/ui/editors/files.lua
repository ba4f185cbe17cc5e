dofile("prelude.lua")
dofile("controls_prelude.lua")
dofile("editors_prelude.lua")

-- Open and Save through the file dialog, which starts in $HOME: the folder
-- "scripts" of the run, holding hello.lua.
local editor = luiScriptEditor{x = 500, y = 100, w = 400, h = 400}
windows[editor] = true
local function code() return texts(luiGetString(editor)) end
local function file(name)
  local f = io.open("scripts/" .. name, "rb")
  if not f then return nil end
  local text = f:read("*a")
  f:close()
  return text
end
-- The dialog's parts by what their names start with.
local function part(dialog, prefix)
  windows[dialog] = true
  for _, name in ipairs(luiListChildren(dialog)) do
    if string.sub(name, 1, string.len(prefix)) == prefix then return name end
  end
end
local function clickFirstRow(dialog) clickOn(part(dialog, "FDListBox"), 30, 10) end
local function clickOk(dialog) clickOn(part(dialog, "FDOkButton"), 20, 12) end
local function typeName(dialog, name)
  clickOn(part(dialog, "FDFileName"), 20, 12)
  Runner.Key(name)
end

runSteps({
  {"Open shows a dialog", function() clickOn("scriptEd_Open", 13, 13) end,
   function() return texts(luiGetLabel("Open Script File")) end},
  {"hello.lua chosen, OK", function()
    clickFirstRow("Open Script File")
    clickOk("Open Script File")
  end, code},
  {"Save opens its dialog", function()
    luiSetString(editor, 'print("saved")')
    clickOn("scriptEd_Save", 13, 13)
  end, function() return texts(luiGetLabel("Save Script File")) end},
  {"hello.lua clicked, new.lua typed, OK: the typed name wins", function()
    clickFirstRow("Save Script File")
    typeName("Save Script File", "new.lua")
    clickOk("Save Script File")
  end, function() return texts(file("new.lua"), file("hello.lua")) end},
  {"OK with nothing chosen", function()
    clickOn("scriptEd_Open", 13, 13)
  end, function() return texts(luiGetLabel("Open Script File")) end},
  {"reports it and keeps the code", function() clickOk("Open Script File") end, code},
})
