-- Script editor: the place to write scripts while scriptdesk runs. It opens
-- here on the bouncing ball example: press "Execute!" to run the code, change a
-- number (the ball's radius, its speed) and run it again. The upper pane shows
-- everything scripts print (the file stdout.log), the lower one the code.
-- The buttons along the top start a new script, open and save script files,
-- and copy, paste and cut the selected text.
--
-- luiScriptEditor takes the code as its "value"; luiGetString(editor) reads
-- it back and luiSetString(editor, text) replaces it.
--
-- Try: open another example from startmenu/ with the open button.

local file = io.open("startmenu/Drawing/Bouncing ball.lua")
local code = file:read("*a")
file:close()
luiScriptEditor{label = "Script editor: Bouncing ball", value = code,
                x = 424, y = 40, w = 590, h = 660}
