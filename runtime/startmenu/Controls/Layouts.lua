-- Layouts: containers that hold other controls. A window, a frame layout and
-- a group each become the "current parent" when created, so the controls
-- made after them go inside; luiSetParent("..") steps back out to the parent.
-- Positions are always counted from the container's own corner.
--
-- The frame layout folds away when you click the triangle in its header. The
-- "Move me" button jumps from one group to the other with luiParent.
--
-- Try: create another group inside the frame, or print luiListChildren(layouts_window).

function layouts_move(button)
  local from = luiGetParent(button)
  local to = layouts_left
  if from == layouts_left then to = layouts_right end
  luiParent(to, button)
  luiSetLabel(layouts_status, "Moved into " .. luiGetLabel(to) .. ".")
end
function layouts_list()
  print("The window holds: " .. table.concat(luiListChildren(layouts_window), ", "))
  luiSetLabel(layouts_status, "The list of controls went to stdout.log.")
end

layouts_window = luiWindow{label = "Layouts", x = 10, y = 420, w = 400, h = 300}
luiFrameLayout{label = "Frame layout", x = 8, y = 8, w = 376, h = 190}
  layouts_left = luiGroup{label = "Left group", x = 8, y = 26, w = 170, h = 150}
    luiButton{label = "Move me", x = 20, y = 30, w = 120, command = "layouts_move"}
    luiCheckBox{label = "Stays here", x = 20, y = 80, w = 130}
  luiSetParent("..")  -- back to the frame layout
  layouts_right = luiGroup{label = "Right group", x = 192, y = 26, w = 170, h = 150,
                           raisedborder = false}
  luiSetParent("..")
luiSetParent("..")  -- back to the window
luiButton{label = "List the window's controls", x = 8, y = 206, w = 240, command = "layouts_list"}
layouts_status = luiText{label = "", x = 8, y = 240, w = 376}
luiSetParent("..")  -- back to the desktop
