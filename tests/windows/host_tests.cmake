# The host's settings file under Wine in both code pages: the file's bytes must not depend on it.
driftmantle_gtest(host_windows_tests PER_LOCALE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/host_settings_test.cpp
  LIBRARIES host_system)
