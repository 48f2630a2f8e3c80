# Every shipped program says what it is and which version it belongs to, from the one version in
# project(): the resources, the settings dialog's version line and the setup program's entry in
# the system's app list all read PROJECT_VERSION, so they cannot drift apart.
set(DRIFTMANTLE_PRODUCT "氷花灯")
set(DRIFTMANTLE_PUBLISHER "The 氷花灯 developers")

# Adds a version resource to target, whose file description is description.
function(driftmantle_version_resource target description)
  set(VERSION_TARGET ${target})
  set(VERSION_DESCRIPTION "${description}")
  set(configured ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc.in)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version_info.rc.in ${configured} @ONLY)
  # The file name comes from the target itself, once its output name is known.
  file(GENERATE OUTPUT ${generated} INPUT ${configured} TARGET ${target})
  target_sources(${target} PRIVATE ${generated})
endfunction()
