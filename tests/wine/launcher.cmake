# End-to-end tests of autorun.exe: the real launcher started in disc folders, driven by
# real input, with recorder.exe standing in for the programs that its menus start.
add_library(launcher_driver STATIC ${CMAKE_CURRENT_LIST_DIR}/launcher_driver.cpp)
# The tests name controls and commands by the launcher's own identifiers (res/resource_ids.h).
target_include_directories(launcher_driver PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/launcher)

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
target_link_libraries(launcher_window_test PRIVATE hostile_screen)
# The hook library that the tests place in the launcher's thread; its hook procedures are
# exported by their plain names, as GetProcAddress asks for them.
add_library(launcher_hooks SHARED ${CMAKE_CURRENT_LIST_DIR}/launcher_hooks.cpp)
set_target_properties(launcher_hooks PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(launcher_hooks PRIVATE user32 gdi32)
target_link_options(launcher_hooks PRIVATE -static -Wl,--kill-at)
add_dependencies(launcher_window_test launcher_hooks)

# The window's layout once more in a session of its own whose screen is at 144 dpi (150 %),
# the LogPixels of a new prefix: margins, gaps and icons at that DPI. Its desktop is as
# large as the X screen, as under CPU emulation, where no desktop window is made: thirty
# entries at 150 % need two columns of 482 pixels, wider than a desktop of 1024.
set(dpi_session ${CMAKE_BINARY_DIR}/wine-session-144dpi)
add_test(NAME wine_session_144dpi_start
         COMMAND env WINE_SESSION_DPI=144 WINE_SESSION_DESKTOP=1280x1024 bash ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh start ${dpi_session})
set_tests_properties(wine_session_144dpi_start PROPERTIES FIXTURES_SETUP wine144 TIMEOUT 700 RUN_SERIAL TRUE)
add_test(NAME wine_session_144dpi_stop COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh stop ${dpi_session})
set_tests_properties(wine_session_144dpi_stop PROPERTIES FIXTURES_CLEANUP wine144)
add_test(NAME launcher_window_test_144dpi
         COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${dpi_session} $<TARGET_FILE:launcher_window_test> dpi)
set_tests_properties(launcher_window_test_144dpi PROPERTIES FIXTURES_REQUIRED wine144 RUN_SERIAL TRUE TIMEOUT 600
                     ENVIRONMENT "DISC_BIN_DIR=${DISC_BIN_DIR_WINDOWS}")
# The disc's own pictures there too: read from their files at the 48-pixel icon size.
add_test(NAME hostile_test_144dpi
         COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${dpi_session} $<TARGET_FILE:hostile_test> pictures)
set_tests_properties(hostile_test_144dpi PROPERTIES FIXTURES_REQUIRED wine144 RUN_SERIAL TRUE TIMEOUT 600
                     ENVIRONMENT "DISC_BIN_DIR=${DISC_BIN_DIR_WINDOWS}")
# The template frame that the disc checker assumes, checked against the measured one.
target_include_directories(launcher_window_test PRIVATE ${CMAKE_SOURCE_DIR}/launcher ${CMAKE_SOURCE_DIR}/dpi)
add_launcher_test(launcher_commands_test ${CMAKE_CURRENT_LIST_DIR}/launcher_commands_test.cpp)
add_launcher_test(launcher_about_test ${CMAKE_CURRENT_LIST_DIR}/launcher_about_test.cpp)
add_launcher_test(launcher_menus_test ${CMAKE_CURRENT_LIST_DIR}/launcher_menus_test.cpp)
target_link_libraries(launcher_menus_test PRIVATE comctl32 gdi32)
add_dependencies(launcher_menus_test launcher_hooks)
# The same disc as a German user sees it: Wine takes the user's interface language from
# LC_ALL (or LC_MESSAGES) of the program it starts.
add_test(NAME launcher_menus_test_german COMMAND launcher_menus_test german)
set_tests_properties(launcher_menus_test_german PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 600
                     ENVIRONMENT "DISC_BIN_DIR=${DISC_BIN_DIR_WINDOWS};LC_ALL=de_DE.UTF-8")
# Every script on a machine whose ANSI code page is Windows-1252 (C.UTF-8 gives Wine that
# code page and file names in any script); an Arabic interface for right to left.
add_test(NAME launcher_menus_test_scripts COMMAND launcher_menus_test scripts)
set_tests_properties(launcher_menus_test_scripts PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 600
                     ENVIRONMENT "DISC_BIN_DIR=${DISC_BIN_DIR_WINDOWS};LC_ALL=C.UTF-8")
add_test(NAME launcher_menus_test_arabic COMMAND launcher_menus_test arabic)
set_tests_properties(launcher_menus_test_arabic PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 600
                     ENVIRONMENT "DISC_BIN_DIR=${DISC_BIN_DIR_WINDOWS};LC_ALL=ar_EG.UTF-8")
