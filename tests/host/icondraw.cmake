# The icon drawing tool: source parser, drawing commands, .ico layout, gallery.
add_host_test(icondraw_test SOURCES icondraw_test.cpp ${CMAKE_SOURCE_DIR}/tools/icondraw/icondraw.cpp)
target_compile_definitions(icondraw_test PRIVATE ICONDRAW_NO_MAIN)
target_include_directories(icondraw_test PRIVATE ${CMAKE_SOURCE_DIR}/tools/icondraw)
target_link_libraries(icondraw_test PRIVATE z)
