# The drawing benchmark draws into the tests' GL window (run it under xvfb-run).
target_sources(bench_particles PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/gl_window.cpp)
target_include_directories(bench_particles PRIVATE ${PROJECT_SOURCE_DIR}/tests)
