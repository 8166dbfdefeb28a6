# Settings of the host tree: native builds of the pure code, with sanitizers on.
option(HOST_SANITIZE "Build the host tree with AddressSanitizer and UBSan" ON)
add_compile_options(-Wall -Wextra)
if(HOST_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
find_package(GTest REQUIRED)
include(GoogleTest)
