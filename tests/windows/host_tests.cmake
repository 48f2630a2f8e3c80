# The host's settings file and the ANSI text it is written in, under Wine in both code pages: the
# file's bytes must not depend on it.
driftmantle_gtest(host_windows_tests PER_LOCALE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ansi_text_test.cpp ${CMAKE_CURRENT_LIST_DIR}/host_settings_test.cpp
  LIBRARIES host_system)
target_include_directories(host_windows_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
