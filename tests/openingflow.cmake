# The player window's state table, without a window.
kp_add_test(tst_playercontrolstates LABELS unit
  SOURCES tst_playercontrolstates.cpp
  LIBS kp_player_ui)

# Opening one media after another in the real window: failed opens, resume
# points across switches, discs opened while discs play or load.
kp_add_test(tst_openingflow LABELS gui playback disc
  SOURCES tst_openingflow.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib"
  TIMEOUT 1800)
target_compile_definitions(tst_openingflow PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_openingflow kp_languages)
