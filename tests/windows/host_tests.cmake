# The host's settings file under Wine, every case once with a Japanese system code page (932)
# and once with a Western one (1252): the file's bytes must not depend on it.
add_executable(host_windows_tests ${CMAKE_CURRENT_LIST_DIR}/host_settings_test.cpp)
target_link_libraries(host_windows_tests PRIVATE host_system GTest::gtest GTest::gtest_main)
driftmantle_warnings(host_windows_tests)
foreach(locale IN ITEMS "ja;ja_JP.UTF-8" "en;C.UTF-8")
  list(GET locale 0 suffix)
  list(GET locale 1 lang)
  # Wine takes its code page from LANG, which LC_ALL would override. Each property holds one
  # value: the discovery flattens PROPERTIES into one list, so a value cannot hold a list.
  gtest_discover_tests(host_windows_tests
    TEST_SUFFIX .${suffix}
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "LANG=${lang}" ENVIRONMENT_MODIFICATION "LC_ALL=unset:")
endforeach()
