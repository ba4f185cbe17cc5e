# A runner with test entry points for creating windows from scripts.
add_executable(scriptdesk-run-ui ${CMAKE_CURRENT_SOURCE_DIR}/ui/main_window_runner.cpp)
target_link_libraries(scriptdesk-run-ui PRIVATE scriptdesk_core)
add_dependencies(test_${name} scriptdesk-run-ui)
target_compile_definitions(test_${name} PRIVATE
  WINDOW_RUNNER_PATH="$<TARGET_FILE:scriptdesk-run-ui>")
# The video view tests play the media tests' generated AVI files.
target_sources(test_${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../media/avi_test_file.cpp)
