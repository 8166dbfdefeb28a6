# Icon drawing: readable icon sources rendered into .ico files at build time by
# tools/icondraw, compiled with the machine's own C++ compiler in either tree.
#   add_icon_set(<target> <output-dir> <source.icon>...)
# makes the custom target <target>, which leaves <output-dir>/<name>.ico for each source,
# and sets <target>_FILES to those .ico paths (for OBJECT_DEPENDS of the .rc that uses them).
#   icondraw_tool(<var>)
# sets <var> to the path of the tool; targets that run it depend on icondraw_tool.

# The tool runs on the build machine, so it is built with the native compiler even
# in the Windows tree, where CMAKE_CXX_COMPILER is the cross compiler.
find_program(ICONDRAW_NATIVE_CXX NAMES g++ c++ clang++ REQUIRED)
set(ICONDRAW_DIR ${CMAKE_SOURCE_DIR}/tools/icondraw)
set(ICONDRAW_EXE ${CMAKE_BINARY_DIR}/icondraw/icondraw)
# The tool's pieces apart from its command line (main.cpp): source parsing, drawing,
# image files. The host tests compile these.
set(ICONDRAW_SOURCES ${ICONDRAW_DIR}/source_parser.cpp ${ICONDRAW_DIR}/drawing.cpp ${ICONDRAW_DIR}/image_files.cpp)
# The PNG images are packed by zopfli where it is installed (Debian's zopfli), else by
# zlib at its best: the same pictures, some hundred bytes larger in all.
find_program(ZOPFLI_PROGRAM zopfli)
if(ZOPFLI_PROGRAM)
  set(ICONDRAW_ENV ICONDRAW_ZOPFLI=${ZOPFLI_PROGRAM})
else()
  message(STATUS "zopfli not found: icon images packed by zlib")
  set(ICONDRAW_ENV)
endif()

function(icondraw_tool var)
  if(NOT TARGET icondraw_tool)
    add_custom_command(
      OUTPUT ${ICONDRAW_EXE}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icondraw
      COMMAND ${ICONDRAW_NATIVE_CXX} -std=c++17 -O2 -Wall -Wextra -I${CMAKE_SOURCE_DIR} -o ${ICONDRAW_EXE}
              ${ICONDRAW_SOURCES} ${ICONDRAW_DIR}/main.cpp -lz
      DEPENDS ${ICONDRAW_SOURCES} ${ICONDRAW_DIR}/main.cpp ${ICONDRAW_DIR}/icondraw.h ${ICONDRAW_DIR}/source_parser.h
              ${CMAKE_SOURCE_DIR}/dpi/icon_scale.h
      COMMENT "Building the icon drawing tool"
      VERBATIM)
    add_custom_target(icondraw_tool DEPENDS ${ICONDRAW_EXE})
  endif()
  set(${var} ${ICONDRAW_EXE} PARENT_SCOPE)
endfunction()

function(add_icon_set target outdir)
  icondraw_tool(tool)
  set(outputs)
  foreach(source ${ARGN})
    get_filename_component(name ${source} NAME_WE)
    set(output ${outdir}/${name}.ico)
    add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${outdir}
      COMMAND ${CMAKE_COMMAND} -E env ${ICONDRAW_ENV} ${tool} ${source} ${output}
      DEPENDS ${source} ${tool} icondraw_tool
      COMMENT "Drawing icon ${name}.ico"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target} DEPENDS ${outputs})
  set(${target}_FILES ${outputs} PARENT_SCOPE)
endfunction()
