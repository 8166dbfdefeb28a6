# The pure rules of the launcher program: the auto-start choice and its nesting bound,
# reloads chosen in popups, the message table and its Messages section, button
# captions and the window layout.
add_host_test(launcher_app_test LIBS launcher_app_pure disc_check SOURCES launcher_app_test.cpp)
