-- Video: an AVI file played as a picture that changes. Avi.Open(path, width,
-- height, loop) opens the video and returns its id; its frames are copied into
-- a texture of width x height pixels (each a power of two: 64, 128, 256 ...).
-- An AVI view shows that texture in a window, stretched to the view's size.
-- Avi.Width and Avi.Height tell the video's own size.
--
-- The video is ffmpeg's moving test card (tools/artwork/make_video.sh).
--
-- Try: open it without looping (false), or add a second view of the same id.

video = Avi.Open("media/testcard.avi", 256, 128, true)

function video_play() Avi.Play(video) end
function video_pause() Avi.Pause(video) end
function video_stop() Avi.Stop(video) end  -- back to the start, keeping the picture

luiWindow{label = "Video", x = 610, y = 10, w = 340, h = 330}
luiAviView{avi = video, x = 10, y = 8, w = 320, h = 240}
local buttons = {{"Play", "video_play"}, {"Pause", "video_pause"}, {"Stop", "video_stop"}}
for i = 1, 3 do
  luiButton{label = buttons[i][1], x = 10 + (i - 1) * 110, y = 258, w = 100,
            command = buttons[i][2]}
end
luiSetParent("..")
print(string.format("Video %d is %d x %d pixels", video, Avi.Width(video), Avi.Height(video)))
