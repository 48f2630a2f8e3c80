# The music module over the real multimedia services in both code pages: its commands go out in
# the system's code page. The cases that play sound need a wave output device: a private sound
# server with a null sink stands in for one, started before them and stopped after (a CTest
# fixture, so running any one of them alone starts it too). Its folder is short, because a
# socket's path is, and named for the build tree, so two trees never share a server.
string(MD5 sound_tree_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${sound_tree_hash}" 0 12 sound_tree_hash)
if(DEFINED ENV{TMPDIR})
  set(sound_temp "$ENV{TMPDIR}")
else()
  set(sound_temp /tmp)
endif()
set(SOUND_SERVER_FOLDER "${sound_temp}/driftmantle-sound-${sound_tree_hash}")
set(SOUND_SERVER ${CMAKE_SOURCE_DIR}/tests/sound/sound_server.sh)

add_test(NAME sound_server_start COMMAND ${SOUND_SERVER} start ${SOUND_SERVER_FOLDER})
add_test(NAME sound_server_stop COMMAND ${SOUND_SERVER} stop ${SOUND_SERVER_FOLDER})
set_tests_properties(sound_server_start PROPERTIES FIXTURES_SETUP sound_server LABELS sound)
set_tests_properties(sound_server_stop PROPERTIES FIXTURES_CLEANUP sound_server LABELS sound)

# Wine and the test inside it reach the server through the environment the script sets; the
# script runs in front of the Wine runner for these cases only.
block(SCOPE_FOR VARIABLES)
  list(PREPEND CMAKE_CROSSCOMPILING_EMULATOR ${SOUND_SERVER} client ${SOUND_SERVER_FOLDER})
  driftmantle_gtest(music_windows_tests PER_LOCALE
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/music_port_test.cpp
    LIBRARIES music winmm
    PROPERTIES FIXTURES_REQUIRED sound_server)
endblock()
target_include_directories(music_windows_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e/support)
