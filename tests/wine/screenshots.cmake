# The guide's screenshots: the helper that drives the launcher, and a run of
# tools/screenshots.sh into the build tree that fails on a blank picture.
add_executable(screenshot_poke ${CMAKE_SOURCE_DIR}/tools/screenshots/poke.cpp)
target_link_libraries(screenshot_poke PRIVATE launcher_pure)
# A window of GlyphKey controls in every look, photographed beside the launcher.
add_executable(screenshot_looks ${CMAKE_SOURCE_DIR}/tools/screenshots/looks.cpp)
set_target_properties(screenshot_poke screenshot_looks PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_test(NAME screenshots
         COMMAND bash ${CMAKE_SOURCE_DIR}/tools/screenshots.sh ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(screenshots PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 300
                     SKIP_RETURN_CODE 77)
