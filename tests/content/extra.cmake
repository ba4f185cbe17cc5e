# The driver that runs each start-menu example and presses its controls.
target_compile_definitions(test_${name} PRIVATE CONTENT_EXERCISE="${CMAKE_CURRENT_LIST_DIR}/exercise.lua")
