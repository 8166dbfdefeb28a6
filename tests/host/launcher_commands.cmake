# launcher/commands/: associations, command lines and the elevation decision.
add_host_test(launcher_association_test LIBS launcher_pure SOURCES launcher_association_test.cpp)
add_host_test(launcher_command_line_test LIBS launcher_pure SOURCES launcher_command_line_test.cpp)
add_host_test(launcher_elevation_test LIBS launcher_pure SOURCES launcher_elevation_test.cpp)
