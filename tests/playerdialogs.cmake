# The preferences and picture adjustment dialogs, on a live display with a real
# player (libVLC's dummy output: the picture is checked through snapshots).
kp_add_test(tst_playerdialogs LABELS gui playback
  SOURCES tst_playerdialogs.cpp ${KP_FRAMEWORK_FIXTURE} ${KP_ENGINE_FIXTURES}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy")
target_compile_definitions(tst_playerdialogs PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_playerdialogs kp_languages)
