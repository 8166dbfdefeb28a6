# Pure code of the launcher: texts, the menu-file reader and its encodings, .ini
# sections, copy directives, command classification and composition, association
# lookups over a registry view.
add_library(launcher_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_section.cpp
  ${CMAKE_CURRENT_LIST_DIR}/copy_directive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disc_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/association.cpp
  ${CMAKE_CURRENT_LIST_DIR}/elevation.cpp)
target_include_directories(launcher_pure PUBLIC ${CMAKE_CURRENT_LIST_DIR})
