# The screen stays awake while a video plays, through a stand-in screensaver
# service on a private session bus.
kp_add_test(tst_screensaver SESSION_BUS LABELS gui playback
  SOURCES tst_screensaver.cpp fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui Qt6::DBus
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib")
target_compile_definitions(tst_screensaver PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
