# The start-up benchmark and its yardstick, a minimal dialog program: plain
# Windows programs, not tests, run by tools/bench.sh in the tree's Wine session.
set(BENCH_SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/bench)
add_executable(minimal_dialog WIN32 ${BENCH_SOURCE_DIR}/minimal_dialog.cpp ${BENCH_SOURCE_DIR}/minimal_dialog.rc)
add_executable(startup_bench ${BENCH_SOURCE_DIR}/startup_bench.cpp)
# Beside the test programs, not in the folder of the deliverables, which is a disc.
set_target_properties(minimal_dialog startup_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
