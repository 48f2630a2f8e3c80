# The music module over the real multimedia services in both code pages: its commands go out in
# the system's code page. Cases that need sound output skip without a sound server.
driftmantle_gtest(music_windows_tests PER_LOCALE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/music_port_test.cpp
  LIBRARIES music)
target_include_directories(music_windows_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e/support)
