# Several media one after another in the real window (order, end of media,
# repeat modes, folders, hand-overs, a place kept per entry) and subtitle
# files added by hand, by a drop or found beside the film, checked in the
# pictures libVLC takes.
kp_add_test(tst_playlist LABELS gui playback
  SOURCES tst_playlist.cpp fixtures/xinput.h fixtures/xinput.cpp
          fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib"
  TIMEOUT 900)
target_compile_definitions(tst_playlist PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_playlist kp_languages)

# The staged program started with several files, and handed several by a later start.
kp_add_test(tst_playlist_e2e LABELS e2e
  SOURCES tst_playlist_e2e.cpp fixtures/mediafixture.h fixtures/mediafixture.cpp
  LIBS kp_framework_core kp_platform
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET}")
target_compile_definitions(tst_playlist_e2e PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
