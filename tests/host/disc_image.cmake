# The disc image builder: makes images of the demo disc and of a clean test disc
# and reads them back with xorriso (Joliet names, files, volume label).
add_test(NAME disc_image
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/disc_image_test.sh ${CMAKE_SOURCE_DIR}
                 $<TARGET_FILE:autorun-check> ${CMAKE_CURRENT_BINARY_DIR}/disc_image)
