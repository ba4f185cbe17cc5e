# The video view tests play the media tests' generated AVI files.
target_sources(test_${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../media/avi_test_file.cpp)
