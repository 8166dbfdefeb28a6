# Pure code of the launcher (no <windows.h>), built alone by the host tests, the
# disc checker and the fuzz targets: base/ (owned text and its procedures, UTF-8 and
# UTF-16), menu/ (the menu-file reader, its encodings, .ini sections, entries, pictures,
# copy directives, the message table and the Messages walk) and commands/ (command
# classification and composition, association lookups over a registry view,
# the elevation decision).
add_library(launcher_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/base/text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/base/utf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/menu_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/menu_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/menu_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/disc_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/language_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/entry_condition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/menu_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/profile_section.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/copy_directive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/disc_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/entry_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/menu_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/message_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu/message_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands/association.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands/elevation.cpp)
# Launcher headers are named by their folder: "menu/menu_reader.h".
target_include_directories(launcher_pure PUBLIC ${CMAKE_CURRENT_LIST_DIR})
