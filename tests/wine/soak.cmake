# Soak: thousands of reloads and popups in one launcher process, memory sampled.
add_wine_test(soak_test ${CMAKE_CURRENT_LIST_DIR}/soak_test.cpp)
target_link_libraries(soak_test PRIVATE launcher_driver hostile_screen)
add_dependencies(soak_test recorder)
foreach(deliverable autorun glyphkey)
  if(TARGET ${deliverable})
    add_dependencies(soak_test ${deliverable})
  endif()
endforeach()
