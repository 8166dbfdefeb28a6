# Hostile discs: the real launcher on generated menu files of junk, huge lines,
# deep popups, reload circles and copy directives that must never overwrite.
add_wine_test(hostile_test ${CMAKE_CURRENT_LIST_DIR}/hostile_test.cpp ${CMAKE_CURRENT_LIST_DIR}/hostile_screen.cpp)
target_link_libraries(hostile_test PRIVATE launcher_driver launcher_pure gdi32)
add_dependencies(hostile_test recorder)
foreach(deliverable autorun glyphkey)
  if(TARGET ${deliverable})
    add_dependencies(hostile_test ${deliverable})
  endif()
endforeach()
