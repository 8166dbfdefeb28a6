# Settings of the Windows tree: small, static, warning-free 32-bit binaries,
# whose tests run under Wine in a session (Xvfb display + prefix) of the test run's own.
enable_language(RC)

set(DISC_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${DISC_BIN_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${DISC_BIN_DIR})

add_compile_options(-Wall -Wextra -Os -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables
                    -mpreferred-stack-boundary=2 -fomit-frame-pointer
                    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>
                    $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>
                    $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
# Deliverables carry no debug data and no unused sections; the build date is the
# only date in them, and it follows SOURCE_DATE_EPOCH when that is set.
add_link_options(-static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections
                 -Wl,--no-insert-timestamp)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Every program run by ctest goes through Wine on the session's display.
set(WINE_SESSION_DIR ${CMAKE_BINARY_DIR}/wine-session)
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${WINE_SESSION_DIR})

# The deliverables keep running when their disc is ejected: Windows copies an image
# marked "run from swap on removable media" into the paging file as it loads it from a
# CD or a USB stick. GNU ld has no option for the mark, so a step after the link sets
# it (and the checksum) in place, before anything signs the file.
#   run_from_swap_on_removable_media(<target>)
function(run_from_swap_on_removable_media target)
  add_custom_command(TARGET ${target} POST_BUILD
                     COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/run-from-swap.sh $<TARGET_FILE:${target}>
                     VERBATIM)
endfunction()
