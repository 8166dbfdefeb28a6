# autorun-check.exe, the disc checker for Windows, compared under Wine with the Linux
# build (the host tree's, built first when missing).
add_test(NAME autorun_check_exe
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/autorun_check_wine.sh ${CMAKE_SOURCE_DIR} ${WINE_SESSION_DIR}
                 $<TARGET_FILE:autorun-check>)
set_tests_properties(autorun_check_exe PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE TIMEOUT 600)
