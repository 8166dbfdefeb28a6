# The library's icon sources; each becomes <name>.ico in the icon output directory.
set(GLYPHKEY_ICON_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/glyphkey.icon
  ${CMAKE_CURRENT_LIST_DIR}/glyphkey2.icon
  ${CMAKE_CURRENT_LIST_DIR}/default.icon
  ${CMAKE_CURRENT_LIST_DIR}/default2.icon
  ${CMAKE_CURRENT_LIST_DIR}/onoff.icon
  ${CMAKE_CURRENT_LIST_DIR}/onoff2.icon
  ${CMAKE_CURRENT_LIST_DIR}/pushbtn.icon
  ${CMAKE_CURRENT_LIST_DIR}/pushbtn2.icon
  ${CMAKE_CURRENT_LIST_DIR}/1-tick.icon
  ${CMAKE_CURRENT_LIST_DIR}/101-tick-raised.icon
  ${CMAKE_CURRENT_LIST_DIR}/2-cross.icon
  ${CMAKE_CURRENT_LIST_DIR}/102-cross-raised.icon
)
