# Hostile discs: the real launcher on generated menu files of junk, huge lines,
# deep popups, reload circles and copy directives that must never overwrite; and the
# disc's own pictures on its buttons.
add_wine_test(hostile_test ${CMAKE_CURRENT_LIST_DIR}/hostile_test.cpp
              ${CMAKE_CURRENT_LIST_DIR}/picture_res.rc ${CMAKE_SOURCE_DIR}/launcher/menu/disc_walk_win32.cpp
              ${CMAKE_SOURCE_DIR}/launcher/base/wide_text_win32.cpp)
target_link_libraries(hostile_test PRIVATE launcher_driver launcher_pure hostile_screen)
target_include_directories(hostile_test PRIVATE ${CMAKE_SOURCE_DIR}/glyphkey/include ${GLYPHKEY_TEST_ICON_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/picture_res.rc PROPERTIES
                            OBJECT_DEPENDS "${glyphkey_test_icons_FILES}")
# launcher_hooks.dll (made in launcher.cmake) asks the launcher's process whether an icon is alive.
add_dependencies(hostile_test recorder glyphkey_test_icons launcher_hooks)
foreach(deliverable autorun glyphkey)
  if(TARGET ${deliverable})
    add_dependencies(hostile_test ${deliverable})
  endif()
endforeach()
