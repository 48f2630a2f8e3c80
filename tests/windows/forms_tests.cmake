driftmantle_gtest(forms_windows_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/forms_test.cpp ${CMAKE_CURRENT_LIST_DIR}/picture_test.cpp
  LIBRARIES forms)
