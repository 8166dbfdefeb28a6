# The icon drawing tool: source parser, drawing commands, .ico layout, gallery.
add_host_test(icondraw_test SOURCES icondraw_test.cpp ${CMAKE_SOURCE_DIR}/tools/icondraw/source_parser.cpp
              ${CMAKE_SOURCE_DIR}/tools/icondraw/drawing.cpp ${CMAKE_SOURCE_DIR}/tools/icondraw/image_files.cpp)
target_include_directories(icondraw_test PRIVATE ${CMAKE_SOURCE_DIR}/tools/icondraw ${CMAKE_SOURCE_DIR})
target_link_libraries(icondraw_test PRIVATE z)
