dofile("prelude.lua")

-- Without a dialog program both dialogs say so and give nil.
show(OpenFileDialog())
show(SaveFileDialog())
print("<end>")
