# GoogleTest: the system's packaged libraries natively, built from Debian's sources for Windows
# (no MinGW build of it is packaged).
include(GoogleTest)
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# A GoogleTest program whose cases become CTest tests. Under the Windows build CTest runs each
# case through the Wine runner; discovery waits until test time so a build needs no Wine.
# PER_LOCALE registers every case twice, under a Japanese system code page (932, suffix .ja) and
# a Western one (1252, suffix .en): Wine takes its code page from LANG, which LC_ALL would
# override. (Discovery flattens PROPERTIES into one list, so no value may itself be a list.)
function(driftmantle_gtest target)
  cmake_parse_arguments(ARG "PER_LOCALE" "" "SOURCES;LIBRARIES;PROPERTIES;EMULATOR" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  if(ARG_EMULATOR)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${ARG_EMULATOR}")
  endif()
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  driftmantle_warnings(${target})
  if(NOT ARG_PER_LOCALE)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES ${ARG_PROPERTIES})
    return()
  endif()
  foreach(locale IN ITEMS "ja;ja_JP.UTF-8" "en;C.UTF-8")
    list(GET locale 0 suffix)
    list(GET locale 1 lang)
    gtest_discover_tests(${target} TEST_SUFFIX .${suffix}
                         DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES ENVIRONMENT "LANG=${lang}" ENVIRONMENT_MODIFICATION
                                    "LC_ALL=unset:" ${ARG_PROPERTIES})
  endforeach()
endfunction()
