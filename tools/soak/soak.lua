-- A long run over every library: windows and controls, pictures, idle drawing,
-- particle networks, meshes, sounds, music and videos are made and thrown away
-- again and again, and the resident memory is printed at intervals. Memory
-- that keeps growing over the run points at something never freed.
local frames = tonumber(os.getenv("SOAK_FRAMES")) or 20000
local every = math.max(1, math.floor(frames / 20))

local function residentKb()
  local status = io.open("/proc/self/status")
  if not status then return -1 end
  local text = status:read("*a")
  status:close()
  return tonumber(string.match(text, "VmRSS:%s*(%d+)")) or -1
end

local window, mesh, picture, sample, video = nil, nil, 0, 0, 0
local function churnWindow()
  if window then luiDestroy(window) end
  window = luiWindow{l = "soak", x = 40, y = 40, w = 360, h = 260}
  luiButton{l = "Press", c = "print", x = 10, y = 10}
  luiFloatSliderGrp{l = "Value", x = 10, y = 45, min = 0, max = 10}
  luiListBox{x = 10, y = 80, items = {"one", "two", "three"}}
  luiTextField{v = "some text", x = 10, y = 190}
  luiSetParent("..")
end

-- A deleted node keeps running while the update or render pass still has it:
-- a script rids itself of a node for good by taking it out of both first.
-- Names address the oldest node of that name.
local function removeNode(name)
  Update.Disable(name)
  Render.Disable(name)
  Node.Delete(name)
end

-- The preset names its nodes "simple", "simple_emitter" and "simple_renderer".
local particleRounds = 0
local function churnParticles()
  if particleRounds > 0 then
    for _, name in ipairs({"simple", "simple_emitter", "simple_renderer"}) do removeNode(name) end
  end
  particleRounds = particleRounds + 1
  CreateSimple()
end

local function churnMesh()
  if mesh then removeNode("mesh1") end
  MakeMesh("meshes/cube.obj")
  mesh = true
end

local function churnMedia()
  ImageDelete(picture)
  picture = ImageLoad("startmenu/bliss.bmp")
  Sound.Delete(sample)
  sample = Sound.Load("startmenu/Startup.wav")
  Sound.Play(sample)
  Avi.Close(video)
  video = Avi.Open("soak.avi", 64, 64) or 0
  Mp3.Play("startmenu/Startup.wav")
end

frame = 0
function SoakFrame()
  frame = frame + 1
  if math.mod(frame, 25) == 1 then churnWindow() end
  if math.mod(frame, 40) == 1 then churnParticles() end
  if math.mod(frame, 100) == 1 then churnMesh() end
  if math.mod(frame, 60) == 1 then churnMedia() end
  local spectrum = Mp3.Spectrum()
  SetForeground(1, 0.8, 0.2)
  for i = 1, 32 do DrawFilledRectangle(-9 + i * 0.5, 1, 0.4, 0.1 + 4 * (spectrum[i] or 0)) end
  ImageDraw(picture, 0, 0)
  Avi.Draw(video, -9, 10, 3, 3)
  if frame == 1 or math.mod(frame, every) == 0 then
    print(string.format("soak: frame %6d  resident %8d KB", frame, residentKb()))
  end
end
AddIdleString("SoakFrame()")
