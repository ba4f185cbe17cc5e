-- Make a mesh: a script can write its own OBJ file and load it. This one
-- builds a star standing up in the middle of the scene: a ring of points in
-- front, the same ring behind, a wall between each pair of neighbours and fans
-- of triangles closing the front and the back. Faces list their corners
-- counter-clockwise as seen from outside, and each corner names a point and a
-- normal ("f point//normal"), so the lighting knows which way a face looks.
--
-- The file goes to a temporary name from os.tmpname() and is removed again.
--
-- Try: more points (star_points), a thicker star or a different inner radius.

local star_points, outer, inner, thickness = 5, 2.5, 1.1, 0.6
local ring = {}  -- the star's outline, counter-clockwise, starting at the top
for i = 1, 2 * star_points do
  local radius = outer
  if math.mod(i, 2) == 0 then radius = inner end
  local angle = math.pi / 2 + (i - 1) * math.pi / star_points
  ring[i] = {radius * math.cos(angle), radius * math.sin(angle)}
end
local n = table.getn(ring)

-- Points 1..n in front, n+1..2n behind, then the front and back centres.
local obj = {"vn 0 0 1", "vn 0 0 -1"}  -- normals 1 (front) and 2 (back)
for side = 1, 2 do
  local z = thickness / 2
  if side == 2 then z = -z end
  for i = 1, n do table.insert(obj, string.format("v %f %f %f", ring[i][1], ring[i][2], z)) end
end
table.insert(obj, string.format("v 0 0 %f", thickness / 2))
table.insert(obj, string.format("v 0 0 %f", -thickness / 2))

local function face(...)  -- each argument is {point, normal}
  local text = "f"
  for k = 1, table.getn(arg) do text = text .. " " .. arg[k][1] .. "//" .. arg[k][2] end
  table.insert(obj, text)
end
for i = 1, n do
  local j = math.mod(i, n) + 1
  local dx, dy = ring[j][1] - ring[i][1], ring[j][2] - ring[i][2]
  local length = math.sqrt(dx * dx + dy * dy)
  table.insert(obj, string.format("vn %f %f 0", dy / length, -dx / length))  -- the wall's, outwards
  local wall = 2 + i
  face({i, wall}, {n + i, wall}, {n + j, wall}, {j, wall})
  face({2 * n + 1, 1}, {i, 1}, {j, 1})
  face({2 * n + 2, 2}, {n + j, 2}, {n + i, 2})
end

local path = os.tmpname()
local file = io.open(path, "w")
file:write(table.concat(obj, "\n"), "\n")
file:close()
MakeMesh(path)
os.remove(path)
