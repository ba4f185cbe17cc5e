dofile("prelude.lua")

-- Every type, direction, icon and colour constant, and no others.
local types = {"LUI_COLOR_CHOOSER", "LUI_CONSOLE", "LUI_DISPLAY_SETTINGS", "LUI_EXPLORER",
  "LUI_FILE_DIALOG", "LUI_MENUBAR", "LUI_MESSAGEBOX", "LUI_SCRIPT_EDITOR", "LUI_SHELF",
  "LUI_START_MENU", "LUI_TEXT_EDITOR", "LUI_TOOLBAR", "LUI_WINDOW", "LUI_ARROW_BUTTON",
  "LUI_BUTTON", "LUI_CHECKBOX", "LUI_COLOR_SLIDER", "LUI_COMBO_BOX", "LUI_FLOATFIELD",
  "LUI_FLOATFIELD_GRP", "LUI_FLOAT_SLIDER", "LUI_FLOAT_SLIDER_GRP", "LUI_ICON_BUTTON",
  "LUI_INTFIELD", "LUI_INTFIELD_GRP", "LUI_INT_SLIDER", "LUI_INT_SLIDER_GRP", "LUI_LIST_BOX",
  "LUI_MENU", "LUI_RADIO_BUTTON", "LUI_TEXT", "LUI_TEXTFIELD", "LUI_FRAME_LAYOUT", "LUI_GROUP",
  "LUI_ICON_VIEW", "LUI_LIST_VIEW", "LUI_SCROLL_LAYOUT", "LUI_SCROLL_BAR", "LUI_TAB_LAYOUT",
  "LUI_TILE_VIEW", "LUI_TREE_VIEW", "LUI_CLOCK", "LUI_FLOAT_SHAKE", "LUI_INT_SHAKE",
  "LUI_FLOAT_DIAL", "LUI_INT_DIAL", "LUI_FLOAT_HOUDINI", "LUI_INT_HOUDINI", "LUI_FLOAT_SCROLL",
  "LUI_INT_SCROLL", "LUI_ROW_LAYOUT", "LUI_COLUMN_LAYOUT"}
for i, name in ipairs(types) do
  if _G[name] ~= i - 1 then show("type", name, _G[name]) end
end
show(LUI_LEFT, LUI_RIGHT, LUI_UP, LUI_DOWN, LUI_FAST_RIGHT, LUI_FAST_LEFT, LUI_STOP, LUI_PAUSE,
     LUI_TOP, LUI_BOTTOM)
show(LUI_COLOR_3D_OBJECTS, LUI_COLOR_TITLE_TEXT, LUI_COLOR_LIGHT_GREY)
show(ICON_NONE, ICON_CLOSE, ICON_TRASH_SMALL, ICON_CAMERA, ICON_UNDO, ICON_SMALL_ARROW_DOWN,
     ICON_SMALL_NETWORK_NEIGHBOURHOOD, ICON_SMALL_RECYCLE, ICON_BACK, ICON_VIEW)
local counts = {LUI = 0, ICON = 0}
local icons = {}
for name, value in pairs(_G) do
  local prefix = string.match(name, "^(%u+)_")
  if counts[prefix] and type(value) == "number" then counts[prefix] = counts[prefix] + 1 end
  if prefix == "ICON" then icons[value + 1] = name end
end
show(counts.LUI, counts.ICON, table.getn(icons))
print("<end>")
