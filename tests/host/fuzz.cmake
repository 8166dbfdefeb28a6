# A short run of every fuzz target (about ten seconds each) with the normal tests.
# The targets are built by clang in a directory of this tree; without clang's
# libFuzzer runtime the script says so and the test passes.
add_test(NAME fuzz_targets COMMAND bash ${CMAKE_SOURCE_DIR}/tools/fuzz.sh 10)
set_tests_properties(fuzz_targets PROPERTIES
  ENVIRONMENT "FUZZ_BUILD_DIR=${CMAKE_BINARY_DIR}/fuzz"
  TIMEOUT 900)
