# launcher/base/: owned text and the shared text procedures.
add_host_test(text_test LIBS launcher_pure SOURCES text_test.cpp)
