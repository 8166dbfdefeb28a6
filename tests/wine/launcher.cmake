# End-to-end tests of autorun.exe: the real launcher started in disc folders, driven by
# real input, with recorder.exe standing in for the programs that its menus start.
add_library(launcher_driver STATIC ${CMAKE_CURRENT_LIST_DIR}/launcher_driver.cpp)
target_include_directories(launcher_driver PUBLIC ${CMAKE_CURRENT_LIST_DIR})

add_executable(recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/recorder.cpp)
target_include_directories(recorder PRIVATE ${CMAKE_CURRENT_LIST_DIR})
set_target_properties(recorder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# Real autorun.inf files from discs; the window test loads a handful of them. They lie
# beside the repository, or where AUTORUN_CORPUS_DIR names when the tree is configured;
# without them that case skips.
if(NOT "$ENV{AUTORUN_CORPUS_DIR}" STREQUAL "")
  set(launcher_corpus "$ENV{AUTORUN_CORPUS_DIR}")
else()
  set(launcher_corpus "${CMAKE_SOURCE_DIR}/../shared/corpus/autorun-inf")
endif()
get_filename_component(launcher_corpus "${launcher_corpus}" ABSOLUTE)
string(REPLACE "/" "\\" launcher_corpus_windows "Z:${launcher_corpus}")

# add_launcher_test(name source): a launcher e2e program with the driver and the recorder.
function(add_launcher_test name)
  add_wine_test(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE launcher_driver)
  add_dependencies(${name} recorder)
  foreach(deliverable autorun launcher glyphkey GlyphKey32)
    if(TARGET ${deliverable})
      add_dependencies(${name} ${deliverable})
    endif()
  endforeach()
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "LAUNCHER_CORPUS_DIR=${launcher_corpus_windows}")
endfunction()

add_launcher_test(launcher_window_test ${CMAKE_CURRENT_LIST_DIR}/launcher_window_test.cpp)
# The template frame that the disc checker assumes, checked against the measured one.
target_include_directories(launcher_window_test PRIVATE ${CMAKE_SOURCE_DIR}/launcher)
add_launcher_test(launcher_commands_test ${CMAKE_CURRENT_LIST_DIR}/launcher_commands_test.cpp)
add_launcher_test(launcher_about_test ${CMAKE_CURRENT_LIST_DIR}/launcher_about_test.cpp)
