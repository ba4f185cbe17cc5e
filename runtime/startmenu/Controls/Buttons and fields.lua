-- Buttons and fields: a window with the controls that take a click or a few
-- typed characters. Each creator (luiButton, luiCheckBox ...) takes a table of
-- properties and returns the new control's name. A "command" names a global
-- function; when the control fires it is called with the control's name.
--
-- Fields run their command when you press Enter or click elsewhere.
--
-- Try: add a button of your own, or give a field a different starting value.

function buttons_say(text)
  luiSetLabel(buttons_status, text)
  print(text)
end
function buttons_hello() buttons_say("Hello! You pressed the button.") end
function buttons_checked(box)
  if luiGetInt(box) == 1 then
    buttons_say("The box is checked.")
  else
    buttons_say("The box is clear.")
  end
end
function buttons_text(field) buttons_say("You typed: " .. luiGetString(field)) end
function buttons_number(field)
  local number = luiGetInt(field)
  buttons_say("Twice " .. number .. " is " .. 2 * number)
end
function buttons_float(field)
  local number = luiGetFloat(field)
  buttons_say(string.format("Half of %g is %g", number, number / 2))
end
function buttons_step(arrow) -- the arrows count the number field up and down
  luiSetInt(buttons_count, luiGetInt(buttons_count) + buttons_steps[arrow])
  buttons_number(buttons_count)
end
function buttons_icon(button) buttons_say("That was the " .. luiGetLabel(button) .. " icon.") end

luiWindow{label = "Buttons and fields", x = 10, y = 10, w = 330, h = 300}
luiButton{label = "Say hello", x = 10, y = 8, w = 100, command = "buttons_hello"}
luiCheckBox{label = "Check me", x = 130, y = 6, w = 180, command = "buttons_checked"}
luiText{label = "Text:", x = 10, y = 48, w = 70}
luiTextField{value = "Type here", x = 90, y = 48, w = 220, command = "buttons_text"}
luiText{label = "Integer:", x = 10, y = 82, w = 70}
buttons_count = luiIntField{value = 21, x = 90, y = 82, w = 80, command = "buttons_number"}
buttons_steps = {}
buttons_steps[luiArrowButton{direction = LUI_DOWN, x = 180, y = 82, w = 25, h = 25,
                             command = "buttons_step"}] = -1
buttons_steps[luiArrowButton{direction = LUI_UP, x = 210, y = 82, w = 25, h = 25,
                             command = "buttons_step"}] = 1
luiText{label = "Decimal:", x = 10, y = 116, w = 70}
luiFloatField{value = 3.5, x = 90, y = 116, w = 80, command = "buttons_float"}
luiText{label = "Icon buttons:", x = 10, y = 156, w = 100}
local icons = {{ICON_NEW, "new page"}, {ICON_OPEN, "open"}, {ICON_SAVE, "save"},
               {ICON_TRASH_SMALL, "waste bin"}}
for i = 1, table.getn(icons) do
  luiIconButton{icon = icons[i][1], label = icons[i][2], x = 110 + (i - 1) * 44, y = 148,
                w = 40, h = 40, command = "buttons_icon"}
end
buttons_status = luiText{label = "Press something.", x = 10, y = 230, w = 300}
luiSetParent("..")
