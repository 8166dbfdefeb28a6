# The deliverables built twice from the same sources give the same bytes (needs the
# MinGW cross compiler, which tools/setup.sh installs).
find_program(MINGW_CXX i686-w64-mingw32-g++)
if(MINGW_CXX)
  add_test(NAME reproducible_build
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/reproducible_build_test.sh ${CMAKE_SOURCE_DIR}
                   ${CMAKE_CURRENT_BINARY_DIR}/reproducible)
  set_tests_properties(reproducible_build PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
endif()
