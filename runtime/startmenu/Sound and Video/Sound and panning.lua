-- Sound and panning: short sounds played on channels. Sound.Load reads a file
-- and returns a sample id (0 if it could not be read, or if there is no sound
-- device). Sound.Play starts the sample on a free channel and returns the
-- channel; Sound.SetPan moves a channel from left (-1) to right (1),
-- Sound.SetVolume sets its loudness (0 to 1) and Sound.SetFrequency its speed.
-- Sound.PlayLooping plays until Sound.Stop; only a mono sound can be panned.
--
-- Try: play the ding at half speed with Sound.SetFrequency(channel, 11025).

sound_ding = Sound.Load("media/ding.wav")
sound_drums = Sound.Load("media/drums.wav")
sound_loop = 0  -- the drums' channel while they play

function sound_play_ding(button)
  local channel = Sound.Play(sound_ding)
  Sound.SetPan(channel, sound_pans[button])
end
function sound_switch_drums(box)
  if luiGetInt(box) == 1 then
    sound_loop = Sound.PlayLooping(sound_drums)
    sound_mix()
  else
    Sound.Stop(sound_loop)
  end
end
function sound_mix()  -- the sliders' command: apply all three to the drums
  Sound.SetPan(sound_loop, luiGetFloat(sound_pan))
  Sound.SetVolume(sound_loop, luiGetFloat(sound_volume))
  Sound.SetFrequency(sound_loop, 22050 * luiGetFloat(sound_speed))
  luiSetLabel(sound_status, string.format("Drums: pan %.2f, volume %.2f, %d Hz",
              Sound.GetPan(sound_loop), Sound.GetVolume(sound_loop),
              Sound.GetFrequency(sound_loop)))
end

luiWindow{label = "Sound and panning", x = 10, y = 10, w = 300, h = 250}
sound_pans = {}
local places = {{"Left", -1}, {"Centre", 0}, {"Right", 1}}
for i = 1, 3 do
  sound_pans[luiButton{label = "Ding " .. places[i][1], x = 8 + (i - 1) * 95, y = 8, w = 90,
                       command = "sound_play_ding"}] = places[i][2]
end
luiCheckBox{label = "Drums (looping)", x = 8, y = 44, w = 200, command = "sound_switch_drums"}
local sliders = {{"Pan", -1, 1, 0}, {"Volume", 0, 1, 0.8}, {"Speed", 0.5, 2, 1}}
local made = {}
for i = 1, 3 do
  luiText{label = sliders[i][1], x = 8, y = 50 + i * 32, w = 60}
  made[i] = luiFloatSlider{min = sliders[i][2], max = sliders[i][3], value = sliders[i][4],
                           x = 70, y = 50 + i * 32, w = 210, command = "sound_mix"}
end
sound_pan, sound_volume, sound_speed = made[1], made[2], made[3]
sound_status = luiText{label = "Press a button.", x = 8, y = 186, w = 280}
if sound_ding == 0 then luiSetLabel(sound_status, "No sound device: nothing will be heard.") end
luiSetParent("..")
