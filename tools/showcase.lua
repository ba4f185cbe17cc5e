-- Shown when scriptdesk runs without a display: a few seconds of the desktop.
print("scriptdesk showcase")
