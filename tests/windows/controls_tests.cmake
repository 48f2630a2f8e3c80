# The push button as a real child window in the test's own process: its pixels on the screen,
# real mouse and key messages, the pointer poll. The face images come from the host's resources.
driftmantle_gtest(controls_windows_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/command_button_test.cpp
    ${CMAKE_SOURCE_DIR}/host/host.rc
  LIBRARIES controls)
