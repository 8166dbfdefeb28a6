# The disc preview: tools/preview.sh on the demo disc, in the test run's Wine session.
add_test(NAME preview
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/preview_test.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}
                 ${WINE_SESSION_DIR})
set_tests_properties(preview PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 300)
