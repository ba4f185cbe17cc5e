# Two small shared libraries that stand in for the optional start-up hook library.
foreach(variant hook_library hook_library_without_export)
  add_library(${variant} MODULE ${CMAKE_CURRENT_SOURCE_DIR}/app/${variant}.c)
  set_target_properties(${variant} PROPERTIES PREFIX "" SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-libs)
  add_dependencies(test_${name} ${variant})
endforeach()
target_compile_definitions(test_${name} PRIVATE TEST_LIBS_DIR="${CMAKE_BINARY_DIR}/test-libs")
