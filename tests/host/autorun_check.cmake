# The disc checker: its library on crafted discs and on the corpus of real
# autorun.inf files, and the tool itself for its exit status.
add_host_test(autorun_check_test LIBS disc_check SOURCES autorun_check_test.cpp)
target_compile_definitions(autorun_check_test PRIVATE DISCS_DIR="${CMAKE_SOURCE_DIR}/tests/discs"
                           EXAMPLES_DIR="${CMAKE_SOURCE_DIR}/examples")

set(check_tool $<TARGET_FILE:autorun-check>)
set(discs ${CMAKE_SOURCE_DIR}/tests/discs)
add_test(NAME autorun_check_exit_status
         COMMAND sh -c "\"$0\" --plain \"$1/clean\" >/dev/null; a=$?; \"$0\" \"$1/broken-caption\" >/dev/null; b=$?; \
\"$0\" \"$1/no-such-disc\" 2>/dev/null; c=$?; \"$0\" --bogus \"$1/clean\" 2>/dev/null; d=$?; \
echo \"clean $a broken $b missing $c usage $d\"; [ $a = 0 ] && [ $b = 1 ] && [ $c = 2 ] && [ $d = 2 ]"
         ${check_tool} ${discs})
add_test(NAME autorun_check_plain_records
         COMMAND sh -c "out=$(\"$0\" \"$1/clean\") || exit 1; echo \"$out\" | head -3; \
echo \"$out\" | grep -q '^entry	autorun.inf	9	1	&Install	1	a compact disc	program	setup.setup.exe	setup.setup.exe$' && \
echo \"$out\" | grep -q '^encoding	autorun.inf	ansi$' && \
! echo \"$out\" | grep -q '\\[1m'" ${check_tool} ${discs})
