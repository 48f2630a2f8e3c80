# The bitmap reader's GDI half under Wine: exact bytes for every depth, the failure table, and the
# malformed corpus through the real conversion.
driftmantle_gtest(bitmap_windows_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_conversion_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_failure_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/bmp_encoder.cpp
  LIBRARIES renderer_bitmap)
target_include_directories(bitmap_windows_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
# The tests read the host's picture and the corpus from beside themselves.
add_custom_command(TARGET bitmap_windows_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/snow_flake.bmp
          $<TARGET_FILE_DIR:bitmap_windows_tests>/snow_flake.bmp
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/tests/corpus/bitmap
          $<TARGET_FILE_DIR:bitmap_windows_tests>/bitmap_corpus)
