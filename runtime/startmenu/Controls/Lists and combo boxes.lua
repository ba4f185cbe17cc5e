-- Lists and combo boxes: choosing among named items.
--
-- luiListBox shows its "items" in rows; a click selects one (hold Ctrl to pick
-- several) and runs the command. luiGetSelectedItems gives the chosen texts,
-- luiGetItems all of them and luiSetItems replaces them.
-- luiComboBox shows its chosen item and drops its list down when clicked; it
-- has no command of its own, so a button reads it.
--
-- Try: add your own fruit with the text field and the "Add" button, or give
-- the combo box more colours.

function lists_picked(list)
  local chosen = luiGetSelectedItems(list)
  luiSetLabel(lists_status, "Chosen: " .. table.concat(chosen, ", "))
end
function lists_add()
  local items = luiGetItems(lists_fruit)
  table.insert(items, luiGetString(lists_new))
  luiSetItems(lists_fruit, items)
  luiSetLabel(lists_status, "The list now has " .. table.getn(items) .. " fruits.")
end
function lists_remove()
  local keep, chosen = {}, {}
  for _, item in ipairs(luiGetSelectedItems(lists_fruit)) do chosen[item] = true end
  for _, item in ipairs(luiGetItems(lists_fruit)) do
    if not chosen[item] then table.insert(keep, item) end
  end
  luiSetItems(lists_fruit, keep)
  luiSetLabel(lists_status, "Removed the chosen fruits.")
end
function lists_colour()
  local colour = luiGetSelectedItems(lists_colours)[1] or "nothing"
  luiSetLabel(lists_status, "The combo box shows " .. colour .. ".")
  print("Colour chosen: " .. colour)
end

luiWindow{label = "Lists and combo boxes", x = 690, y = 10, w = 324, h = 300}
lists_fruit = luiListBox{items = {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig",
                                  "Grape", "Kiwi"}, x = 10, y = 8, w = 150, h = 130,
                         command = "lists_picked"}
lists_new = luiTextField{value = "Lemon", x = 170, y = 8, w = 140}
luiButton{label = "Add", x = 170, y = 40, w = 140, command = "lists_add"}
luiButton{label = "Remove chosen", x = 170, y = 72, w = 140, command = "lists_remove"}
lists_colours = luiComboBox{items = {"Red", "Orange", "Yellow", "Green", "Blue", "Violet"},
                            x = 10, y = 190, w = 150}
luiSetInt(lists_colours, 4)  -- choose "Blue" (items count from 0)
luiButton{label = "Read the combo box", x = 170, y = 190, w = 140, command = "lists_colour"}
lists_status = luiText{label = "Click a fruit.", x = 10, y = 150, w = 300}
luiSetParent("..")
