# Every build checks that no include runs up a layer.
add_custom_target(quillmint_layers ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake
  COMMENT "Checking that no include runs up a layer")
