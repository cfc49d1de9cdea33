# The layers only depend downwards: app and cli use scene, print and core, scene and print use core,
# core uses nothing of ours and no widgets. A build target checks every source file.
add_custom_target(check_layers ALL
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}/src -P ${PROJECT_SOURCE_DIR}/cmake/LayerRules.cmake
  COMMENT "Checking that includes only point down the layers"
  VERBATIM)
