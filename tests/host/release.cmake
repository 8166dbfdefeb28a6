# The release package: its entries, and the same bytes when it is built twice.
add_test(NAME release_package
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/release_test.sh ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/release)
