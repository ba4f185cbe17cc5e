# The OBJ benchmark reads the same file with tinyobjloader for comparison.
pkg_check_modules(TINYOBJ REQUIRED IMPORTED_TARGET tinyobjloader)
target_link_libraries(bench_geometry PRIVATE PkgConfig::TINYOBJ)
