# The preview form driven in the test's own process: under Wine a window painted by another
# process inside ours never reaches the screen, so the picture is checked here and the e2e tests
# check the cross-process parts (placement, lifetime).
driftmantle_gtest(preview_windows_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/preview_form_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/picture_file.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/screen_capture.cpp
    ${CMAKE_SOURCE_DIR}/host/host.rc
  LIBRARIES host_forms ole32 oleaut32 uuid)
target_include_directories(preview_windows_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
add_custom_command(TARGET preview_windows_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/preview.jpg
          $<TARGET_FILE_DIR:preview_windows_tests>/preview.jpg)
