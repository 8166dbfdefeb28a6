# Wine tests of GlyphKey32.dll: class and messages, painting, input, the accessible object.
file(GLOB GLYPHKEY_TEST_ICON_SOURCES ${CMAKE_CURRENT_LIST_DIR}/glyphkey_res/*.icon)
set(GLYPHKEY_TEST_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/glyphkey_icons)
add_icon_set(glyphkey_test_icons ${GLYPHKEY_TEST_ICON_DIR} ${GLYPHKEY_TEST_ICON_SOURCES})

function(add_glyphkey_test name)
  add_wine_test(${name} ${ARGN} ${CMAKE_CURRENT_LIST_DIR}/glyphkey_res/glyphkey_test.rc)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/glyphkey/include ${GLYPHKEY_TEST_ICON_DIR})
  add_dependencies(${name} glyphkey glyphkey_test_icons)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/glyphkey_res/glyphkey_test.rc PROPERTIES
                              OBJECT_DEPENDS "${glyphkey_test_icons_FILES}")
endfunction()

add_glyphkey_test(glyphkey_class_test glyphkey_class_test.cpp)
add_glyphkey_test(glyphkey_paint_test glyphkey_paint_test.cpp ${CMAKE_SOURCE_DIR}/dpi/dpi_win32.cpp)
target_include_directories(glyphkey_paint_test PRIVATE ${CMAKE_SOURCE_DIR}/dpi)
add_glyphkey_test(glyphkey_input_test glyphkey_input_test.cpp)
add_glyphkey_test(glyphkey_accessible_test glyphkey_accessible_test.cpp)
# The test is the screen reader: COM and its strings, but oleacc.dll only as the control loads it.
target_link_libraries(glyphkey_accessible_test PRIVATE ole32 oleaut32)
