# Pure parts of the launcher program itself (no <windows.h>): entry tables, message
# keys, button captions, layout and centring arithmetic, the start monitor, auto-start
# and popup rules.
add_library(launcher_app_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/menu_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_caption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/auto_start.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_nesting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_monitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/centre_geometry.cpp)
target_include_directories(launcher_app_pure PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/framework
                           ${CMAKE_CURRENT_LIST_DIR}/../dpi)
target_link_libraries(launcher_app_pure PUBLIC launcher_pure)
