# A disc whose index read never ends still gets the slow-open notice, and
# its Cancel (or Stop) gives the window back.
kp_add_test(tst_openingdiscs LABELS gui playback
  SOURCES tst_openingdiscs.cpp fixtures/damagedmedia.h fixtures/damagedmedia.cpp
          fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib"
  TIMEOUT 300)
target_compile_definitions(tst_openingdiscs PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_openingdiscs kp_languages)
