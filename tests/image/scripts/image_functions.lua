-- The image functions on the pictures the test leaves in the working folder:
-- two.bmp and UPPER.BMP hold the pixels (10, 20, 30) and (40, 50, 60) in one row.
local a = ImageLoad("two.bmp")
local b = ImageLoad("UPPER.BMP")
print(a, b, ImageGetBitDepth(b))
print(ImageGetSize(a))
print(ImageDraw(a, 0, 0), ImageDraw(99, 0, 0))

-- Pixels: coordinates are truncated; anything outside the picture gives nothing.
local p, q = ImageGetPixel(a, 1, 0), ImageGetPixel(a, 0.9, 0)
print(table.getn(p), p[1], p[2], p[3], q[1], q[2], q[3])
print(ImageGetPixel(a, 2, 0), ImageGetPixel(a, -1, 0), ImageGetPixel(a, 0, 1), ImageGetPixel(a, 0))

-- Sizes need exactly one number; ids are 16 bits wide.
print(ImageGetSize("abc"))
print(ImageGetSize(a, 1))
print(ImageGetSize(a + 65536))

-- Failed loads: the loader's line, then ImageLoad's own.
print(ImageLoad("photo.jpeg"))
print(ImageLoad("nodot"))
print(ImageLoad({}))
print(ImageLoad("png.bmp"))
print(ImageLoad("missing.png"))
print(ImageGetBitDepth(99), ImageGetBitDepth(ImageLoad("x.y.Png")))

-- Deleting one picture leaves the others; after deleting all, ids go on counting.
ImageDelete(a)
print(ImageGetSize(a))
print(ImageGetSize(b))
ImageDeleteAll()
print(ImageGetSize(b))
print(ImageLoad("two.bmp"), ImageDraw(b, 0, 0))
ImageDraw(1, 2)

-- The shipped start-up picture: sky at the top, grass at the bottom.
local shipped = ImageLoad(os.getenv("SHIPPED_STARTUP_PICTURE"))
print(ImageGetSize(shipped))
local sky, grass = ImageGetPixel(shipped, 800, 747), ImageGetPixel(shipped, 500, 27)
print(sky[3] > sky[1] and sky[3] > sky[2], grass[2] > grass[1] and grass[2] > grass[3])

-- The background: a picture that cannot be loaded is reported; quarters.bmp
-- fills the surface, over the clear colour.
SetBackgroundImage("gone.xyz")
SetBackgroundImage("quarters.bmp")
SetBackground(0, 0, 1)
