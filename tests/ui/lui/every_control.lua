dofile("prelude.lua")

-- A window holding every working control type, made through the creators,
-- driven through Runner events and the setters; every command prints.

-- Where a point of a control lies on the screen: positions add up to the
-- root, and a window's client area starts below its 16-pixel title bar.
function screen(name, dx, dy)
  local x, y = luiGetPosition(name)
  local parent = luiGetParent(name)
  while parent ~= "main" do
    local px, py = luiGetPosition(parent)
    x, y = x + px, y + py
    if parent == window then y = y + 16 end
    parent = luiGetParent(parent)
  end
  return x + dx, y + dy
end
function click(name, dx, dy)
  local x, y = screen(name, dx, dy)
  Runner.Move(x, y) Runner.Press(x, y) Runner.Release(x, y)
end
function report(name) show("command", name, luiGetInt(name), luiGetFloat(name), luiGetString(name)) end
function reportItems(name) show("command", name, luiGetSelectedItems(name)) end

-- A 4x4 red picture for the image view.
local function bmp(path)
  local function le(value, bytes)
    local out = ""
    for i = 1, bytes do out = out .. string.char(math.mod(value, 256)) value = math.floor(value / 256) end
    return out
  end
  local pixels = string.rep(string.char(0, 0, 255), 16)
  local file = io.open(path, "wb")
  file:write("BM", le(54 + 48, 4), le(0, 4), le(54, 4), le(40, 4), le(4, 4), le(4, 4), le(1, 2),
             le(24, 2), le(0, 4), le(48, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4), pixels)
  file:close()
end
bmp("red.bmp")

window = luiWindow{label = "Every control", x = 10, y = 10, w = 1000, h = 720}
button = luiButton{label = "Press", x = 10, y = 10, c = "report"}
arrow = luiArrowButton{dir = LUI_RIGHT, x = 100, y = 10, w = 25, h = 25, c = "report"}
icon = luiIconButton{icon = ICON_SAVE, x = 135, y = 10, w = 40, h = 40, c = "report"}
check = luiCheckBox{label = "Check", x = 185, y = 10, w = 100, c = "report"}
static = luiText{label = "Static", x = 295, y = 10, w = 100}
swatch = luiCreate(55, "swatch")
luiSetPosition(swatch, 910, 10)

text = luiTextField{v = "text", x = 10, y = 60, w = 120, c = "report"}
int = luiIntField{v = 42, x = 140, y = 60, c = "report"}
float = luiFloatField{v = 1.5, x = 230, y = 60, w = 100, c = "report"}
shake = luiCreate(LUI_FLOAT_SHAKE, "shake")
luiSetPosition(shake, 340, 60)
luiSetSize(shake, 100, 25)
luiSetFloat(shake, 0.75)
bar = luiCreate(LUI_SCROLL_BAR, "bar")
luiSetPosition(bar, 460, 60)
luiSetSize(bar, 20, 150)

slider = luiFloatSlider{min = 0, max = 10, x = 10, y = 100, w = 208, c = "report"}
luiSetFloat(slider, 2.5)
intSlider = luiIntSlider{min = 0, max = 100, x = 230, y = 100, w = 150}
luiSetInt(intSlider, 40)
group = luiFloatSliderGrp{l = "Float group", min = 0, max = 1, x = 10, y = 140, w = 300, c = "report"}
intGroup = luiCreate(LUI_INT_SLIDER_GRP, "intGroup")
luiSetPosition(intGroup, 320, 140)
colourSlider = luiCreate(LUI_COLOR_SLIDER, "colourSlider")
luiSetPosition(colourSlider, 10, 180)

list = luiListBox{items = {"alpha", "beta", "gamma"}, x = 10, y = 220, w = 150, c = "reportItems"}
combo = luiComboBox{items = {"red", "green", "blue"}, x = 170, y = 220, w = 120}
luiSetItems(combo, "red", "green", "blue", "cyan")
luiSetInt(combo, 0)
image = luiImageView{img = ImageLoad("red.bmp"), x = 300, y = 220}
video = luiAviView{avi = 0, x = 320, y = 220, w = 20, h = 20}

box = luiGroup{label = "Group box", x = 500, y = 220, w = 200, h = 100}
boxed = luiButton{label = "Inside", x = 10, y = 30, c = "report"}
luiSetParent("..")
frame = luiFrameLayout{label = "Frame", x = 720, y = 220, w = 200, h = 100}
framed = luiText{label = "Framed", x = 10, y = 30}
luiSetParent("..")
show(luiGetParent(boxed), luiGetParent(framed), luiGetParent(luiText{name = "loose", x = 10, y = 600}))

-- What the getters report before any event.
for _, name in ipairs({button, check, text, int, float, shake, bar, slider, intSlider, list, combo}) do
  show(name, luiGetInt(name), luiGetFloat(name), luiGetString(name))
end
show(luiGetMin(group), luiGetMax(group), luiGetMin(intGroup), luiGetMax(intGroup), luiGetStep(shake))
show(table.getn(luiListChildren(window)))

-- The first frame's events: a click on each button and the check box, an
-- edit ended with Enter, the scroll bar's far arrow, a slider drag, a list
-- row, the group's button and the frame's toggle box (which collapses it).
click(button, 40, 12)
click(arrow, 12, 12)
click(icon, 20, 20)
click(check, 50, 12)
click(text, 60, 12)
Runner.Key("edited\r")
click(bar, 10, 140)
local x, y = screen(slider, 4 + 150, 12)
Runner.Move(x, y) Runner.Press(x, y) Runner.Move(x + 40, y) Runner.Release(x + 40, y)
click(list, 40, 4 + 14 + 7)
click(boxed, 20, 10)
click(frame, 200 - 14 + 6, 8)

step = 0
AddIdleString([[
  step = step + 1
  if step == 1 then
    show("after", luiGetInt(check), luiGetString(text), luiGetInt(bar), luiGetFloat(slider))
    luiSetLabel(static, "Relabelled")
    luiSetString(text, "set by script")
    luiSetFloat(group, 0.5)
    click(combo, 20, 12)
  elseif step == 2 then
    local width, height = luiGetSize(combo)
    luiSetString(combo, "ignored")
    click(combo, 20, height + 16 + 8)
  elseif step == 3 then
    show("combo", luiGetSelectedItems(combo), luiGetItems(combo))
    show("labels", luiGetLabel(static), luiGetString(text))
    print("<end>")
  end
]])
