# The driver that runs each start-menu example and presses its controls.
target_compile_definitions(test_${name} PRIVATE
  CONTENT_EXERCISE="${CMAKE_CURRENT_LIST_DIR}/exercise.lua")
# The examples are listed when the tests are discovered, which happens again
# only when the binary changes: adding or editing one rebuilds it.
file(GLOB_RECURSE start_menu_examples CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/runtime/startmenu/*.lua)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/start_menu_test.cpp PROPERTIES
  OBJECT_DEPENDS "${start_menu_examples}")
