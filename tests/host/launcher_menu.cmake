# launcher/menu/: the menu-file reader (over the checker's code pages), copy
# directives, and the real-world corpus read through both.
add_host_test(launcher_menu_reader_test LIBS disc_check SOURCES launcher_menu_reader_test.cpp)
target_compile_definitions(launcher_menu_reader_test PRIVATE GUIDE_PATH="${CMAKE_SOURCE_DIR}/docs/authoring-guide.md")
add_host_test(launcher_copy_directive_test LIBS launcher_pure SOURCES launcher_copy_directive_test.cpp)
add_host_test(launcher_corpus_test LIBS disc_check SOURCES launcher_corpus_test.cpp)
add_host_test(launcher_conditions_test LIBS disc_check SOURCES launcher_conditions_test.cpp)
