# The reader benchmark builds its pictures with the test-picture builder and compares
# against stb_image.
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
target_sources(bench_image PRIVATE ${PROJECT_SOURCE_DIR}/tests/image/picture_bytes.cpp)
target_include_directories(bench_image PRIVATE ${PROJECT_SOURCE_DIR}/tests/image)
target_link_libraries(bench_image PRIVATE PkgConfig::STB)
