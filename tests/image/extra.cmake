# The reader tests check pictures against stb_image and write PNGs with libpng.
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
target_link_libraries(test_image PRIVATE PkgConfig::STB)
