# The drawing benchmark opens a GL window the way the tests do (run it under xvfb-run).
target_sources(bench_draw PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/gl_window.cpp)
target_include_directories(bench_draw PRIVATE ${PROJECT_SOURCE_DIR}/tests)
