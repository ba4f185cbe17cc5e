-- Message box: a small window that asks a question and offers a row of
-- answers. luiMessageBox takes a "type" choosing the buttons (1 Ok; 2 Ok and
-- Cancel; 4 Yes, No and Cancel) and the names of the functions to call for
-- each answer ("onok", "oncancel", "onyes", "onno" ...). The label is its title.
--
-- Try: another question, or a type 2 box that asks before closing a window.

function message_answered(answer)
  luiSetLabel(message_caption, "You answered " .. answer .. ".")
  print("Message box answer: " .. answer)
end
function message_yes() message_answered("Yes") end
function message_no() message_answered("No") end
function message_ok() message_answered("Ok") end
function message_cancel() message_answered("Cancel") end

function message_ask()
  luiMessageBox{label = "Do you like the examples?", type = 4, x = 380, y = 260,
                onyes = "message_yes", onno = "message_no", oncancel = "message_cancel"}
end
function message_tell()
  luiMessageBox{label = "The examples live in runtime/startmenu.", type = 2, x = 380, y = 260,
                onok = "message_ok", oncancel = "message_cancel"}
end

luiWindow{label = "Message box", x = 10, y = 400, w = 300, h = 130}
luiButton{label = "Ask a question", x = 8, y = 8, w = 136, command = "message_ask"}
luiButton{label = "Tell me something", x = 152, y = 8, w = 136, command = "message_tell"}
message_caption = luiText{label = "No answer yet.", x = 8, y = 50, w = 280}
luiSetParent("..")
