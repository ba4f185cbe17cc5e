# The reader tests check pictures against stb_image and write PNGs with libpng; the
# script tests read their Lua scripts and expected output from scripts/.
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
target_link_libraries(test_image PRIVATE PkgConfig::STB)
target_compile_definitions(test_image PRIVATE IMAGE_TEST_SCRIPTS="${CMAKE_CURRENT_LIST_DIR}/scripts")
