# Pure code of the control library: control-text parsing, paint geometry and colours,
# accessible name.
add_library(glyphkey_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/control_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paint_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/accessible_name.cpp)
target_include_directories(glyphkey_pure PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/../dpi)
if(WIN32)
  # The library links without the C runtime: no unwind tables to carry.
  target_compile_options(glyphkey_pure PRIVATE -fno-asynchronous-unwind-tables)
endif()
