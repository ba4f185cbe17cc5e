-- Message box: a small window that says something and offers a row of
-- answers. luiMessageBox takes its title as "label", the message as "text",
-- an "icon" (one of the ICON_ numbers) and a "type" choosing the buttons:
-- 1 Ok; 2 Ok, Cancel; 3 Abort, Retry, Ignore; 4 Yes, No, Cancel; 5 Yes, No;
-- 6 Retry, Cancel; 7 Cancel, Try, Continue. For each answer it calls the
-- function named by "onok", "oncancel", "onyes", "onno", "onretry", "onabort"
-- or "oncontinue" with the box's name, then closes.
--
-- Try: a box of type 6 whose "onretry" opens the same box again.

function message_answered(answer)
  luiSetLabel(message_caption, "You answered " .. answer .. ".")
  print("Message box answer: " .. answer)
end
function message_yes() message_answered("Yes") end
function message_no() message_answered("No") end
function message_ok() message_answered("Ok") end
function message_cancel() message_answered("Cancel") end

function message_ask()
  luiMessageBox{label = "A question", text = "Do you like the examples so far?", type = 4,
                icon = ICON_MAGNIFY, x = 330, y = 420, w = 300, h = 120, onyes = "message_yes",
                onno = "message_no", oncancel = "message_cancel"}
end
function message_tell()
  luiMessageBox{label = "Where are they?", text = "The examples live in runtime/startmenu.",
                type = 1, icon = ICON_FOLDER, x = 330, y = 420, w = 300, h = 120,
                onok = "message_ok"}
end

luiWindow{label = "Message box", x = 10, y = 420, w = 310, h = 120}
luiButton{label = "Ask a question", x = 8, y = 8, w = 140, command = "message_ask"}
luiButton{label = "Tell me something", x = 156, y = 8, w = 140, command = "message_tell"}
message_caption = luiText{label = "No answer yet.", x = 8, y = 50, w = 290}
luiSetParent("..")
