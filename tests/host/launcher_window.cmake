# The pure rules of launcher/window/ (and the menu tables and message table they
# hold): the auto-start choice and its nesting bound, reloads chosen in popups, the
# message table and its Messages section, button captions, the window layout and
# the start monitor.
add_host_test(launcher_app_test LIBS launcher_app_pure disc_check SOURCES launcher_app_test.cpp)
