# Build-time generated sources of scriptdesk_core: the glyph images of the
# toolkit's fonts, rasterised from the DejaVu faces by tools/fontgen.

set(SCRIPTDESK_FONT_DIR /usr/share/fonts/truetype/dejavu CACHE PATH "Folder of the DejaVu TTF files")
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)

add_executable(fontgen tools/fontgen/fontgen.cpp)
target_link_libraries(fontgen PRIVATE PkgConfig::FREETYPE)
target_include_directories(fontgen PRIVATE ${PROJECT_SOURCE_DIR}/src)
# A build tool: none of the instrumentation the library may be built with.
set_property(TARGET fontgen PROPERTY COMPILE_OPTIONS -Wall -Wextra)
set_property(TARGET fontgen PROPERTY LINK_OPTIONS "")
set_property(TARGET fontgen PROPERTY RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

file(GLOB SCRIPTDESK_FONT_FILES ${SCRIPTDESK_FONT_DIR}/DejaVu*.ttf)
set(GENERATED_FONTS ${CMAKE_BINARY_DIR}/generated/font_data.cpp)
add_custom_command(
  OUTPUT ${GENERATED_FONTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND fontgen ${SCRIPTDESK_FONT_DIR} ${GENERATED_FONTS}
  DEPENDS fontgen ${SCRIPTDESK_FONT_FILES}
  COMMENT "Rasterising the toolkit fonts"
  VERBATIM)
target_sources(scriptdesk_core PRIVATE ${GENERATED_FONTS})
