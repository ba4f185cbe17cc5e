-- Music and spectrum: streamed music and a live picture of it. Mp3.Play
-- streams a music file (MP3, Ogg Vorbis, WAV ...) while it plays, one piece
-- at a time. Mp3.Spectrum() returns a table of 512 numbers from 0 to 1: how
-- strong each band of pitches is right now, from the lowest to the highest.
-- An idle script draws it as bars every frame: low notes on the left.
--
-- The tune is our own: tools/artwork/make_sounds.py writes it.
--
-- Try: fewer, wider bars (music_bars), or colour them by their height.

music_bars = 48
function music_play()
  if Mp3.Play("media/melody.ogg") then
    music_status("Playing.")
  else
    music_status("Could not play.")
  end
end
function music_pause(box) Mp3.Pause(luiGetInt(box)) end
function music_stop() Mp3.Stop() music_status("Stopped.") end
function music_volume(slider) Mp3.Volume(luiGetFloat(slider)) end
function music_status(text) luiSetLabel(music_caption, text) end

luiWindow{label = "Music and spectrum", x = 320, y = 10, w = 280, h = 150}
luiButton{label = "Play", x = 8, y = 8, w = 80, command = "music_play"}
luiButton{label = "Stop", x = 96, y = 8, w = 80, command = "music_stop"}
luiCheckBox{label = "Pause", x = 184, y = 6, w = 80, command = "music_pause"}
luiText{label = "Volume", x = 8, y = 46, w = 60}
luiFloatSlider{min = 0, max = 1, value = 1, x = 70, y = 46, w = 190, command = "music_volume"}
music_caption = luiText{x = 8, y = 84, w = 260}
luiSetParent("..")
music_play()

-- Bar b covers the bands from edge b-1 to edge b: wider and wider bands
-- higher up, as our ears hear pitch.
if music_idle then DisableIdleScript(music_idle) end  -- run again, the example starts afresh
music_idle = AddIdleString([[
  local spectrum = Mp3.Spectrum()
  if table.getn(spectrum) == 0 then return end
  local width = 19 / music_bars
  SetTransparent(0.2)
  for b = 1, music_bars do
    local low, high = math.floor(512 ^ ((b - 1) / music_bars)), math.floor(512 ^ (b / music_bars))
    local level = 0
    for k = low, math.max(low, high - 1) do level = math.max(level, spectrum[k]) end
    local height = 8 * math.sqrt(level)
    SetForeground(height / 8, 1 - height / 16, 0.3)
    DrawFilledRectangle(-9.5 + (b - 1) * width, 0.8, width * 0.8, height + 0.05)
  end
  SetTransparent(0)
]])
