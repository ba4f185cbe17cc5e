# The toolkit benchmark draws into the tests' hidden GL window (run it under xvfb-run).
target_sources(bench_ui PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/gl_window.cpp)
target_include_directories(bench_ui PRIVATE ${PROJECT_SOURCE_DIR}/tests)
