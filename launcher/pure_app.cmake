# Pure rules of the launcher window (no <windows.h>), beside its Win32 files in
# window/: button captions, layout and centring arithmetic, the start monitor,
# auto-start and popup rules.
add_library(launcher_app_pure STATIC
  ${CMAKE_CURRENT_LIST_DIR}/window/button_caption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/button_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/auto_start.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/popup_nesting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/start_monitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/centre_geometry.cpp)
target_include_directories(launcher_app_pure PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/../dpi)
target_link_libraries(launcher_app_pure PUBLIC launcher_pure)
