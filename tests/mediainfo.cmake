# What the player window shows of the media itself (chapters of files, tags
# and cover art), with real playback in the real top-level window.
kp_add_test(tst_mediainfo LABELS gui playback
  SOURCES tst_mediainfo.cpp fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib")
target_compile_definitions(tst_mediainfo PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_mediainfo kp_languages)
