# The music module over the real multimedia services, under a Japanese and a Western code page:
# its commands go out in the system's code page. Cases that need sound output skip without it.
add_executable(music_windows_tests ${CMAKE_CURRENT_LIST_DIR}/music_port_test.cpp)
target_link_libraries(music_windows_tests PRIVATE music GTest::gtest GTest::gtest_main)
target_include_directories(music_windows_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e/support)
driftmantle_warnings(music_windows_tests)
foreach(locale IN ITEMS "ja;ja_JP.UTF-8" "en;C.UTF-8")
  list(GET locale 0 suffix)
  list(GET locale 1 lang)
  gtest_discover_tests(music_windows_tests
    TEST_SUFFIX .${suffix}
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "LANG=${lang}" ENVIRONMENT_MODIFICATION "LC_ALL=unset:")
endforeach()
